#pragma once

#include <string>

namespace zarvik3::about {

// What the About window shows, the same in every face.
inline constexpr char kCaption[] = "About";
inline constexpr char kProductName[] = "Zarvik3";
inline constexpr char kVersion[] = "Version 1b ";
inline constexpr char kYear[] = "2008";
inline constexpr char kCopyright[] = "\xC2\xA9 2008 example.org";
inline constexpr char kThanks[] = "With thanks to all testers";
inline constexpr char kThanksEnd[] = "for their reports.";
inline constexpr char kEmailAddress[] = "z3@example.org";
inline constexpr char kWebAddress[] = "https://example.org/zarvik3/";

// What a link label opens: its text without the blanks and control characters around it,
// for the e-mail label with "mailto:" in front.
std::string EmailLink(const std::string& labelText);
std::string WebLink(const std::string& labelText);

}  // namespace zarvik3::about
