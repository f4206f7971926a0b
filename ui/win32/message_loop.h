#pragma once

namespace zarvik3 {

// Handles the messages waiting, the keyboard's dialog keys (Tab, Enter, mnemonics) among
// them, and returns; a quit request met on the way stays queued for the main loop.
void PumpWaitingMessages();

// Runs until the program is asked to quit; its exit code.
int RunMessageLoop();

}  // namespace zarvik3
