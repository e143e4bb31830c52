#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

struct chmFile;

namespace quimbo::platform {

// An HTML Help file (.chm) read with chmlib: its topics by help context number and its pages.
class ChmHelp {
  public:
    // Throws quimbo::Error naming the file when it cannot be opened.
    explicit ChmHelp(const std::filesystem::path& file);
    ~ChmHelp();
    ChmHelp(const ChmHelp&) = delete;
    ChmHelp& operator=(const ChmHelp&) = delete;

    // The page (a path inside the file, such as "/principal.htm") of a help context number.
    std::optional<std::string> topicForContext(std::uint32_t context) const;
    // A page's bytes; nothing when the file has no such page.
    std::optional<std::string> read(const std::string& page) const;
    // The table of contents as a plain HTML page of links.
    std::string contentsPage() const;

  private:
    chmFile* file_ = nullptr;
};

}  // namespace quimbo::platform
