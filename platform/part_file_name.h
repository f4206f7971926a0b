#pragma once

#include <cstdint>
#include <string>

namespace zarvik3 {

// The hidden name under which a copy of name is written before it replaces name. The
// random part keeps two copies of one name apart; a check value over the rest tells the
// names this program makes from a user's file that merely looks like one.
std::string PartFileName(const std::string& name, std::uint64_t random);

// True only for names PartFileName makes.
bool IsPartFileName(const std::string& candidate);

}  // namespace zarvik3
