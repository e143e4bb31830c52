#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// libxml2's types, kept out of the callers' view.
struct _xmlDoc;
struct _xmlNode;

namespace quimbo::access {

// An element of an XmlDocument. Texts in and out are UTF-8. A default-constructed node is
// "no node", as a selection that matches nothing gives.
class XmlNode {
  public:
    XmlNode() = default;
    explicit XmlNode(_xmlNode* node) : node_(node) {}

    bool valid() const { return node_ != nullptr; }
    std::string name() const;
    std::string text() const;  // all descendant text joined
    std::string xml() const;   // the serialisation, beginning with the start tag
    std::vector<XmlNode> selectNodes(const std::string& path) const;
    XmlNode selectSingleNode(const std::string& path) const;
    std::vector<XmlNode> childElements(const std::string& name) const;
    XmlNode firstChild() const;

    void appendChild(XmlNode child);
    void removeChild(XmlNode child);
    void setAttribute(const std::string& name, const std::string& value);
    void setText(const std::string& text);

    _xmlNode* raw() const { return node_; }

  private:
    _xmlNode* node_ = nullptr;
};

// The outcome of loading a file: whether it was well-formed and, if not, libxml2's reason.
struct XmlLoadResult {
    bool wellFormed = false;
    int line = 0;
    std::string message;
};

// A DOM document over libxml2, parsed without network access, without external DTDs or
// entities, and within libxml2's entity-expansion limits.
class XmlDocument {
  public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // A file that is not well-formed leaves an empty document; the result says why.
    XmlLoadResult load(const std::filesystem::path& path);
    XmlLoadResult loadFromMemory(const std::string& bytes);

    std::vector<XmlNode> selectNodes(const std::string& path) const;
    XmlNode selectSingleNode(const std::string& path) const;
    XmlNode documentElement() const;

    XmlNode createElement(const std::string& name);
    void appendChild(XmlNode child);  // as the document's last child
    void removeChild(XmlNode child);  // a child of the document itself

    // The encoding that the input's declaration named; empty without a declaration.
    std::string declaredEncoding() const;

    // Saves in the declared encoding (UTF-8 without one), no indentation added, through a
    // temporary file that replaces the target only when complete.
    void save(const std::filesystem::path& path) const;
    std::string serialise() const;

  private:
    void reset();

    _xmlDoc* doc_ = nullptr;
    bool hadDeclaration_ = false;
};

}  // namespace quimbo::access
