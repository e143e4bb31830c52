#include "platform/chm_help.hpp"

#include <chm_lib.h>

#include <regex>

#include "common/error.hpp"
#include "platform/paths.hpp"

namespace quimbo::platform {

namespace {

std::uint32_t le32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

}  // namespace

ChmHelp::ChmHelp(const std::filesystem::path& file) {
    file_ = chm_open(file.c_str());
    if (!file_) {
        throw Error("No se puede abrir el archivo de ayuda " + pathToUtf8(file) + ".");
    }
}

ChmHelp::~ChmHelp() {
    chm_close(file_);
}

std::optional<std::string> ChmHelp::read(const std::string& page) const {
    chmUnitInfo unit{};
    const std::string path = page.empty() || page[0] != '/' ? "/" + page : page;
    if (chm_resolve_object(file_, path.c_str(), &unit) != CHM_RESOLVE_SUCCESS) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(unit.length), '\0');
    const LONGINT64 got =
        chm_retrieve_object(file_, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(unit.length));
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return bytes;
}

// #IVB holds pairs (context number, offset into #STRINGS) after a 4-byte length; each string
// names the topic's page. Some compilers store the source path: only its file name counts.
std::optional<std::string> ChmHelp::topicForContext(std::uint32_t context) const {
    const auto map = read("/#IVB");
    const auto strings = read("/#STRINGS");
    if (!map || !strings || map->size() < 4) {
        return std::nullopt;
    }
    for (std::size_t at = 4; at + 8 <= map->size(); at += 8) {
        if (le32(*map, at) != context) {
            continue;
        }
        const std::size_t offset = le32(*map, at + 4);
        if (offset >= strings->size()) {
            return std::nullopt;
        }
        const std::string name = strings->substr(offset, strings->find('\0', offset) - offset);
        const std::string page = "/" + name.substr(name.find_last_of("/\\") + 1);
        if (read(page)) {
            return page;
        }
    }
    return std::nullopt;
}

std::string ChmHelp::contentsPage() const {
    std::string page =
        "<html><head><meta charset=\"utf-8\"><title>Contenido</title></head><body>"
        "<h1>Contenido de la ayuda</h1><ul>";
    if (const auto toc = read("/toc.hhc")) {
        const std::regex entry(
            "<param name=\"Name\" value=\"([^\"]*)\">\\s*<param name=\"Local\" value=\"([^\"]*)\">",
            std::regex::icase);
        for (auto it = std::sregex_iterator(toc->begin(), toc->end(), entry);
             it != std::sregex_iterator(); ++it) {
            page += "<li><a href=\"" + (*it)[2].str() + "\">" + (*it)[1].str() + "</a></li>";
        }
    }
    return page + "</ul></body></html>";
}

}  // namespace quimbo::platform
