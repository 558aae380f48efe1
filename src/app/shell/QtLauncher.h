#pragma once

#include "core/ports/Launcher.h"

namespace tavolim::app {

// Hands documents, web addresses and the help pages to the desktop's own programs.
class QtLauncher final : public core::Launcher {
public:
    bool openDocument(const std::string& path) override;
    bool openUrl(const std::string& url) override;
    // The help lives beside the program in ajuda/index.html; the topic is its anchor.
    bool openHelp(const std::string& topic) override;
};

} // namespace tavolim::app
