#include "seneca/exchange_document.hpp"

#include "text/clipper.hpp"
#include "text/codepage.hpp"

namespace quimbo::seneca {

std::string recordsPath(const std::string& group) {
    if (group.empty()) {
        return "/SERVICIO/BLOQUE_DATOS/grupo_datos";
    }
    return "/SERVICIO/BLOQUE_DATOS/grupo_datos[@seq=\"" + group + "\"]/grupo_datos";
}

Record::Record(access::XmlNode node) : datos_(node.childElements("dato")) {}

std::string Record::raw(std::size_t position) const {
    if (position >= datos_.size()) {
        return {};
    }
    return codepage::utf8ToCp1252(datos_[position].text());
}

std::string Record::value(std::size_t position) const {
    return clipper::AllTrim(raw(position));
}

std::string Record::markup(std::size_t position) const {
    return position < datos_.size() ? datos_[position].xml() : std::string();
}

std::vector<Record> recordsOf(const access::XmlDocument& document, const std::string& group) {
    std::vector<Record> records;
    for (const access::XmlNode& node : document.selectNodes(recordsPath(group))) {
        records.emplace_back(node);
    }
    return records;
}

std::vector<Record> topLevelGroups(const access::XmlDocument& document) {
    return recordsOf(document, "");
}

bool hasDataBlock(const access::XmlDocument& document) {
    const access::XmlNode block = document.selectSingleNode("/SERVICIO/BLOQUE_DATOS");
    return block.valid() && !block.selectNodes("*").empty();
}

}  // namespace quimbo::seneca
