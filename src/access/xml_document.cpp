#include "access/xml_document.hpp"

#include <climits>
#include <cstring>
#include <mutex>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlsave.h>
#include <libxml/xpath.h>

#include "common/error.hpp"
#include "platform/atomic_file.hpp"
#include "platform/paths.hpp"

namespace quimbo::access {

namespace {

const xmlChar* asXml(const std::string& text) {
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

std::string fromXml(const xmlChar* text) {
    return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

// No external entity or DTD is ever read: every request for one gets nothing.
xmlParserInputPtr refuseExternalEntity(const char*, const char*, xmlParserCtxtPtr) {
    return nullptr;
}

void installSafeDefaults() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(refuseExternalEntity);
    });
}

void ignoreMessages(void*, const char*, ...) {}

struct XPathResult {
    xmlXPathContextPtr context = nullptr;
    xmlXPathObjectPtr object = nullptr;
    ~XPathResult() {
        xmlXPathFreeObject(object);
        xmlXPathFreeContext(context);
    }
};

std::vector<XmlNode> evaluate(xmlDocPtr doc, xmlNodePtr contextNode, const std::string& path) {
    std::vector<XmlNode> nodes;
    if (!doc) {
        return nodes;
    }
    XPathResult result;
    result.context = xmlXPathNewContext(doc);
    if (!result.context) {
        throw Error("No hay memoria suficiente para leer el documento XML.");
    }
    result.context->node = contextNode ? contextNode : reinterpret_cast<xmlNodePtr>(doc);
    result.object = xmlXPathEvalExpression(asXml(path), result.context);
    if (!result.object) {
        throw Error("Expresión de ruta XML no válida: " + path);
    }
    if (result.object->type == XPATH_NODESET && result.object->nodesetval) {
        const xmlNodeSetPtr set = result.object->nodesetval;
        nodes.reserve(static_cast<std::size_t>(set->nodeNr));
        for (int i = 0; i < set->nodeNr; ++i) {
            nodes.emplace_back(set->nodeTab[i]);
        }
    }
    return nodes;
}

bool startsWithDeclaration(const std::string& bytes) {
    static const unsigned char utf8Bom[] = {0xEF, 0xBB, 0xBF};
    std::size_t at = 0;
    if (bytes.size() >= 3 && std::memcmp(bytes.data(), utf8Bom, 3) == 0) {
        at = 3;
    }
    if (bytes.compare(at, 5, "<?xml") == 0) {
        return true;
    }
    // UTF-16 in either byte order: "<?" as two-byte units, after an optional BOM.
    auto utf16At = [&](std::size_t pos, bool little) {
        const char* text = "<?xml";
        for (int i = 0; i < 5; ++i) {
            const std::size_t low = pos + static_cast<std::size_t>(2 * i) + (little ? 0 : 1);
            const std::size_t high = pos + static_cast<std::size_t>(2 * i) + (little ? 1 : 0);
            if (high >= bytes.size() || bytes[low] != text[i] || bytes[high] != 0) {
                return false;
            }
        }
        return true;
    };
    const std::size_t bom = (bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                                                   (bytes[0] == '\xFE' && bytes[1] == '\xFF')))
                                ? 2
                                : 0;
    return utf16At(bom, true) || utf16At(bom, false);
}

}  // namespace

std::string XmlNode::name() const {
    return node_ ? fromXml(node_->name) : std::string();
}

std::string XmlNode::text() const {
    if (!node_) {
        return {};
    }
    xmlChar* content = xmlNodeGetContent(node_);
    std::string text = fromXml(content);
    xmlFree(content);
    return text;
}

std::string XmlNode::xml() const {
    if (!node_) {
        return {};
    }
    xmlBufferPtr buffer = xmlBufferCreate();
    xmlNodeDump(buffer, node_->doc, node_, 0, 0);
    std::string markup = fromXml(xmlBufferContent(buffer));
    xmlBufferFree(buffer);
    return markup;
}

std::vector<XmlNode> XmlNode::selectNodes(const std::string& path) const {
    if (!node_) {
        return {};
    }
    return evaluate(node_->doc, node_, path);
}

XmlNode XmlNode::selectSingleNode(const std::string& path) const {
    const auto nodes = selectNodes(path);
    return nodes.empty() ? XmlNode() : nodes.front();
}

std::vector<XmlNode> XmlNode::childElements(const std::string& name) const {
    std::vector<XmlNode> children;
    if (!node_) {
        return children;
    }
    for (xmlNodePtr child = node_->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && child->ns == nullptr &&
            name == reinterpret_cast<const char*>(child->name)) {
            children.emplace_back(child);
        }
    }
    return children;
}

XmlNode XmlNode::firstChild() const {
    return XmlNode(node_ ? node_->children : nullptr);
}

void XmlNode::appendChild(XmlNode child) {
    if (!node_ || !child.node_) {
        throw Error("No se puede añadir un nodo XML inexistente.");
    }
    xmlAddChild(node_, child.node_);
}

void XmlNode::removeChild(XmlNode child) {
    if (!node_ || !child.node_ || child.node_->parent != node_) {
        throw Error("El nodo XML que se quiere quitar no es hijo de este elemento.");
    }
    xmlUnlinkNode(child.node_);
    xmlFreeNode(child.node_);
}

void XmlNode::setAttribute(const std::string& name, const std::string& value) {
    if (!node_) {
        throw Error("No se puede poner un atributo a un nodo XML inexistente.");
    }
    xmlSetProp(node_, asXml(name), asXml(value));
}

void XmlNode::setText(const std::string& text) {
    if (!node_) {
        throw Error("No se puede poner texto a un nodo XML inexistente.");
    }
    xmlChar* escaped = xmlEncodeSpecialChars(node_->doc, asXml(text));
    xmlNodeSetContent(node_, escaped);
    xmlFree(escaped);
}

XmlDocument::XmlDocument() {
    installSafeDefaults();
    doc_ = xmlNewDoc(asXml("1.0"));
}

XmlDocument::~XmlDocument() {
    reset();
}

void XmlDocument::reset() {
    if (doc_) {
        xmlFreeDoc(doc_);
        doc_ = nullptr;
    }
}

XmlLoadResult XmlDocument::load(const std::filesystem::path& path) {
    return loadFromMemory(platform::readWholeFile(path));
}

XmlLoadResult XmlDocument::loadFromMemory(const std::string& bytes) {
    reset();
    XmlLoadResult result;
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        doc_ = xmlNewDoc(asXml("1.0"));
        result.message = "el archivo es demasiado grande";
        return result;
    }
    xmlParserCtxtPtr context = xmlNewParserCtxt();
    if (!context) {
        throw Error("No hay memoria suficiente para leer el documento XML.");
    }
    xmlSetGenericErrorFunc(nullptr, ignoreMessages);
    // Blank text between elements is dropped, as the platform DOM does by default.
    const int options =
        XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    xmlDocPtr parsed = xmlCtxtReadMemory(context, bytes.data(), static_cast<int>(bytes.size()),
                                         nullptr, nullptr, options);
    if (parsed && context->wellFormed) {
        doc_ = parsed;
        result.wellFormed = true;
        hadDeclaration_ = startsWithDeclaration(bytes);
    } else {
        if (parsed) {
            xmlFreeDoc(parsed);
        }
        const xmlError* error = xmlCtxtGetLastError(context);
        result.line = error ? error->line : 0;
        result.message = error && error->message ? error->message : "documento XML no válido";
        while (!result.message.empty() &&
               (result.message.back() == '\n' || result.message.back() == ' ')) {
            result.message.pop_back();
        }
        doc_ = xmlNewDoc(asXml("1.0"));
        hadDeclaration_ = false;
    }
    xmlFreeParserCtxt(context);
    return result;
}

std::vector<XmlNode> XmlDocument::selectNodes(const std::string& path) const {
    return evaluate(doc_, nullptr, path);
}

XmlNode XmlDocument::selectSingleNode(const std::string& path) const {
    const auto nodes = selectNodes(path);
    return nodes.empty() ? XmlNode() : nodes.front();
}

XmlNode XmlDocument::documentElement() const {
    return XmlNode(doc_ ? xmlDocGetRootElement(doc_) : nullptr);
}

XmlNode XmlDocument::createElement(const std::string& name) {
    xmlNodePtr node = xmlNewDocNode(doc_, nullptr, asXml(name), nullptr);
    if (!node) {
        throw Error("No se puede crear el elemento XML " + name + ".");
    }
    return XmlNode(node);
}

void XmlDocument::appendChild(XmlNode child) {
    if (!child.valid()) {
        throw Error("No se puede añadir un nodo XML inexistente.");
    }
    xmlAddChild(reinterpret_cast<xmlNodePtr>(doc_), child.raw());
}

void XmlDocument::removeChild(XmlNode child) {
    if (!child.valid() || child.raw()->parent != reinterpret_cast<xmlNodePtr>(doc_)) {
        throw Error("El nodo XML que se quiere quitar no es hijo del documento.");
    }
    xmlUnlinkNode(child.raw());
    xmlFreeNode(child.raw());
}

std::string XmlDocument::declaredEncoding() const {
    return doc_ && hadDeclaration_ && doc_->encoding ? fromXml(doc_->encoding) : std::string();
}

std::string XmlDocument::serialise() const {
    const std::string encoding = declaredEncoding();
    xmlBufferPtr buffer = xmlBufferCreate();
    xmlBufferSetAllocationScheme(buffer, XML_BUFFER_ALLOC_DOUBLEIT);
    const int options = hadDeclaration_ ? 0 : XML_SAVE_NO_DECL;
    xmlSaveCtxtPtr save =
        xmlSaveToBuffer(buffer, encoding.empty() ? "UTF-8" : encoding.c_str(), options);
    if (!save) {
        xmlBufferFree(buffer);
        throw Error("No se puede escribir el documento XML en la codificación " + encoding + ".");
    }
    const long written = xmlSaveDoc(save, doc_);
    xmlSaveClose(save);
    std::string bytes(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                      static_cast<std::size_t>(xmlBufferLength(buffer)));
    xmlBufferFree(buffer);
    if (written < 0) {
        throw Error("No se puede escribir el documento XML.");
    }
    return bytes;
}

void XmlDocument::save(const std::filesystem::path& path) const {
    const std::string encoding = declaredEncoding();
    platform::replaceFileAtomically(path, [&](const std::filesystem::path& temporary) {
        platform::writeThroughDescriptor(path, temporary, [&](int descriptor) {
            xmlSaveCtxtPtr save =
                xmlSaveToFd(descriptor, encoding.empty() ? "UTF-8" : encoding.c_str(),
                            hadDeclaration_ ? 0 : XML_SAVE_NO_DECL);
            if (!save) {
                return false;
            }
            const long written = xmlSaveDoc(save, doc_);
            return xmlSaveClose(save) >= 0 && written >= 0;
        });
    });
}

}  // namespace quimbo::access
