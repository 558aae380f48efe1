#pragma once

#include <string>

namespace tavolim::core {

class Launcher {
public:
    virtual ~Launcher() = default;

    virtual bool openDocument(const std::string& path) = 0;
    virtual bool openUrl(const std::string& url) = 0;
    virtual bool openHelp(const std::string& topic) = 0;
};

} // namespace tavolim::core
