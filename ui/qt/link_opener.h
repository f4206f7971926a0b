#pragma once

#include <string>

namespace zarvik3 {

// Hands a link to the desktop (mail program, web browser); tests record instead.
class LinkOpener {
  public:
    virtual ~LinkOpener() = default;

    // What the desktop makes of the link is its own affair: nothing is reported back.
    virtual void Open(const std::string& url) = 0;
};

class QtLinkOpener : public LinkOpener {
  public:
    void Open(const std::string& url) override;
};

}  // namespace zarvik3
