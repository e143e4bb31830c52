#include "access/table.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <system_error>

#include "common/error.hpp"
#include "platform/paths.hpp"
#include "text/clipper.hpp"
#include "text/codepage.hpp"

namespace quimbo::access {

namespace fs = std::filesystem;

namespace {

const char* const kNotEditing = "La fuente de datos no está en modo de edición o inserción";
constexpr std::size_t kAppendChunk = 256 * 1024;

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string withExtension(const std::string& name) {
    return fs::path(name).has_extension() ? name : name + ".DBF";
}

bool isNumeric(char type) {
    return type == 'N' || type == 'F';
}

std::string trimBoth(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

Error notAnInteger(const std::string& text) {
    return Error("'" + codepage::cp1252ToUtf8(text) + "' no es un valor entero válido");
}

Error notAFloat(const std::string& text) {
    return Error("'" + codepage::cp1252ToUtf8(text) + "' no es un valor de coma flotante válido");
}

std::optional<double> parseDouble(const std::string& text) {
    double value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::string shortestNumber(double value) {
    char buffer[64];
    const auto [ptr, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, ptr) : std::string();
}

std::int32_t readInt32(std::string_view bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    }
    return static_cast<std::int32_t>(value);
}

std::string int32Bytes(std::int32_t value) {
    std::string bytes(4, '\0');
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::string rightAligned(const std::string& text, int width) {
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

bool logicalTrue(std::string_view raw) {
    return !raw.empty() && (raw[0] == 'T' || raw[0] == 't' || raw[0] == 'Y' || raw[0] == 'y');
}

std::optional<std::int32_t> parseInt32(const std::string& text) {
    std::int32_t value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

// A field's value as text: text without trailing blanks, numbers without padding.
std::string fieldText(const DbfField& f, std::string_view raw) {
    switch (f.type) {
        case 'N':
        case 'F': {
            std::string text = trimBoth(raw);
            if (f.decimals > 0 && !text.empty()) {
                if (const auto value = parseDouble(text)) {
                    return shortestNumber(*value);
                }
            }
            return text;
        }
        case 'L': {
            const std::string text = trimBoth(raw);
            if (text.empty() || text == "?") {
                return {};
            }
            return logicalTrue(raw) ? "True" : "False";
        }
        case 'I':
            return raw.size() == 4 ? std::to_string(readInt32(raw)) : std::string();
        case 'M':
            return {};
        default:
            return clipper::RTrim(raw);
    }
}

}  // namespace

Table::Table(fs::path directory, std::string tableName)
    : directory_(std::move(directory)), fileName_(withExtension(tableName)) {}

Table::~Table() {
    try {
        close();
    } catch (...) {
        // A destructor must not throw; close() already released the lock.
    }
}

fs::path Table::path() const {
    if (auto found = platform::findFileIgnoringCase(directory_, fileName_)) {
        return *found;
    }
    return directory_ / fileName_;
}

std::string Table::label() const {
    return platform::pathToUtf8(path());
}

void Table::create(const FieldDefinitions& fields) {
    if (isOpen()) {
        throw Error("No se puede crear la tabla " + label() + " mientras está abierta.");
    }
    platform::createFileWithContent(path(), buildEmptyTable(fields, std::time(nullptr)));
}

void Table::open(OpenMode mode) {
    if (isOpen()) {
        return;
    }
    auto file = std::make_unique<platform::LockedFile>(path(), mode == OpenMode::Exclusive
                                                                   ? platform::LockMode::Exclusive
                                                                   : platform::LockMode::Shared);
    const std::string bytes = file->readAll();
    layout_ = parseLayout(bytes, platform::pathToUtf8(file->path()));
    rowCount_ = layout_.recordCount;
    flushedRows_ = rowCount_;
    records_ = bytes.substr(layout_.headerLength,
                            static_cast<std::size_t>(rowCount_) * layout_.recordLength);
    file_ = std::move(file);
    state_ = State::Browse;
    modified_ = false;
    first();
}

void Table::close() {
    if (!isOpen()) {
        return;
    }
    state_ = State::Browse;
    modified_ = false;
    try {
        flushAppendedRows();
        writeHeaderCount();
    } catch (...) {
        file_.reset();  // release the lock even when the disk refuses the header
        records_.clear();
        throw;
    }
    auto file = std::move(file_);
    current_.reset();
    eof_ = true;
    records_.clear();
    file->flush();
}

void Table::requireOpen() const {
    if (!isOpen()) {
        throw Error("La tabla " + label() + " no está abierta.");
    }
}

const DbfField& Table::field(const std::string& name) const {
    requireOpen();
    // Names are almost always given as stored; only then is the upper-cased form needed.
    for (const DbfField& candidate : layout_.fields) {
        if (!candidate.hidden && candidate.name == name) {
            return candidate;
        }
    }
    const std::string wanted = upper(name);
    for (const DbfField& candidate : layout_.fields) {
        if (!candidate.hidden && candidate.name == wanted) {
            return candidate;
        }
    }
    throw Error("No se encuentra el campo '" + name + "' en la tabla " + label() + ".");
}

std::string_view Table::currentRecord() const {
    if (state_ != State::Browse) {
        return pending_;
    }
    if (!current_) {
        return {};
    }
    return std::string_view(records_).substr(*current_ * layout_.recordLength,
                                             layout_.recordLength);
}

std::string_view Table::rawValue(const DbfField& f) const {
    const std::string_view record = currentRecord();
    if (record.empty()) {
        return {};
    }
    return record.substr(f.offset, static_cast<std::size_t>(f.length));
}

bool Table::visible(std::size_t row) const {
    if (records_[row * layout_.recordLength] == '*') {
        return false;
    }
    if (!filtered_ || !filter_) {
        return true;
    }
    return matches(row, field(filter_->field), filter_->value);
}

std::optional<std::size_t> Table::firstVisibleFrom(std::size_t row) const {
    for (; row < rowCount_; ++row) {
        if (visible(row)) {
            return row;
        }
    }
    return std::nullopt;
}

void Table::checkBrowseMode() {
    if (state_ == State::Browse) {
        return;
    }
    if (modified_) {
        post();
    } else {
        cancel();
    }
}

void Table::first() {
    requireOpen();
    checkBrowseMode();
    current_ = firstVisibleFrom(0);
    eof_ = !current_;
}

void Table::next() {
    requireOpen();
    checkBrowseMode();
    if (!current_) {
        eof_ = true;
        return;
    }
    const auto following = firstVisibleFrom(*current_ + 1);
    if (following) {
        current_ = following;
    } else {
        eof_ = true;  // the last row stays current, as in dBase
    }
}

bool Table::moveTo(int index) {
    first();
    for (int i = 0; i < index && !eof(); ++i) {
        next();
    }
    return index >= 0 && !eof();
}

int Table::position() const {
    if (!current_) {
        return -1;
    }
    int index = 0;
    for (std::size_t row = 0; row < *current_; ++row) {
        index += visible(row) ? 1 : 0;
    }
    return index;
}

void Table::append() {
    requireOpen();
    checkBrowseMode();
    pending_.assign(layout_.recordLength, ' ');
    state_ = State::Insert;
    modified_ = false;
}

void Table::edit() {
    requireOpen();
    if (state_ != State::Browse) {
        return;
    }
    if (!current_) {
        append();
        return;
    }
    pending_ = std::string(currentRecord());
    state_ = State::Edit;
    modified_ = false;
}

void Table::cancel() {
    state_ = State::Browse;
    modified_ = false;
    pending_.clear();
}

// Appended rows are written in chunks; a changed row that is already on disk is written at once.
void Table::writeRow(std::size_t row) {
    if (row >= flushedRows_) {
        if ((rowCount_ - flushedRows_) * layout_.recordLength >= kAppendChunk) {
            flushAppendedRows();
        }
        return;
    }
    const std::uint64_t offset =
        layout_.headerLength + static_cast<std::uint64_t>(row) * layout_.recordLength;
    file_->writeAt(offset, records_.substr(row * layout_.recordLength, layout_.recordLength));
}

void Table::flushAppendedRows() {
    if (flushedRows_ >= rowCount_) {
        return;
    }
    const std::uint64_t offset =
        layout_.headerLength + static_cast<std::uint64_t>(flushedRows_) * layout_.recordLength;
    file_->writeAt(offset, records_.substr(flushedRows_ * layout_.recordLength) + kEndOfFile);
    flushedRows_ = rowCount_;
    // The header's row count follows when the table is closed: until then a reader sees the
    // rows counted before, never a count beyond the rows stored.
    headerOutdated_ = true;
}

void Table::writeHeaderCount() {
    if (headerOutdated_) {
        file_->writeAt(
            1, headerDateAndCount(std::time(nullptr), static_cast<std::uint32_t>(rowCount_)));
        headerOutdated_ = false;
    }
}

void Table::post() {
    requireOpen();
    if (state_ == State::Browse) {
        throw Error(kNotEditing);
    }
    std::size_t row = 0;
    if (state_ == State::Insert) {
        row = rowCount_;
        records_ += pending_;
        ++rowCount_;
        try {
            writeRow(row);
        } catch (...) {
            records_.resize(records_.size() - layout_.recordLength);
            --rowCount_;
            throw;
        }
    } else {
        row = *current_;
        const std::string previous =
            records_.substr(row * layout_.recordLength, layout_.recordLength);
        records_.replace(row * layout_.recordLength, layout_.recordLength, pending_);
        try {
            writeRow(row);
        } catch (...) {
            records_.replace(row * layout_.recordLength, layout_.recordLength, previous);
            throw;
        }
    }
    current_ = row;
    eof_ = false;
    cancel();
}

std::string Table::asText(const std::string& name) const {
    const DbfField& f = field(name);
    return fieldText(f, rawValue(f));
}

std::int32_t Table::asInteger(const std::string& name) const {
    const DbfField& f = field(name);
    if (f.type == 'I') {
        const std::string_view raw = rawValue(f);
        return raw.size() == 4 ? readInt32(raw) : 0;
    }
    if (f.type == 'L') {
        return asBoolean(name) ? 1 : 0;
    }
    const std::string text = clipper::AllTrim(asText(name));
    if (text.empty()) {
        return 0;
    }
    if (const auto value = parseInt32(text)) {
        return *value;
    }
    if (isNumeric(f.type)) {
        if (const auto number = parseDouble(text); number && std::fabs(*number) < 2147483648.0) {
            return static_cast<std::int32_t>(std::lround(*number));
        }
    }
    throw notAnInteger(text);
}

double Table::asFloat(const std::string& name) const {
    const DbfField& f = field(name);
    if (f.type == 'I' || f.type == 'L') {
        return asInteger(name);
    }
    const std::string text = clipper::AllTrim(asText(name));
    if (text.empty()) {
        return 0;
    }
    if (const auto value = parseDouble(text)) {
        return *value;
    }
    throw notAFloat(text);
}

bool Table::asBoolean(const std::string& name) const {
    const DbfField& f = field(name);
    const std::string_view raw = rawValue(f);
    if (f.type == 'L') {
        return logicalTrue(raw);
    }
    const std::string text = upper(clipper::AllTrim(asText(name)));
    return text == "TRUE" || text == "T" || text == "Y";
}

void Table::store(const DbfField& f, const std::string& bytes) {
    if (state_ == State::Browse) {
        throw Error(kNotEditing);
    }
    std::string value = bytes.substr(0, static_cast<std::size_t>(f.length));
    value.resize(static_cast<std::size_t>(f.length), ' ');
    pending_.replace(f.offset, static_cast<std::size_t>(f.length), value);
    modified_ = true;
}

void Table::setText(const std::string& name, const std::string& value) {
    const DbfField& f = field(name);
    if (state_ == State::Browse) {
        throw Error(kNotEditing);
    }
    switch (f.type) {
        case 'N':
        case 'F': {
            const std::string text = clipper::AllTrim(value);
            if (text.empty()) {
                store(f, "");
                return;
            }
            const auto number = parseDouble(text);
            if (!number) {
                throw notAFloat(text);
            }
            setFloat(name, *number);
            return;
        }
        case 'L':
            setBoolean(name, logicalTrue(value));
            return;
        case 'I': {
            const std::string text = clipper::AllTrim(value);
            const auto parsed = text.empty() ? std::optional<std::int32_t>(0) : parseInt32(text);
            if (!parsed) {
                throw notAnInteger(text);
            }
            setInteger(name, *parsed);
            return;
        }
        default:
            store(f, value);
    }
}

void Table::setInteger(const std::string& name, std::int32_t value) {
    const DbfField& f = field(name);
    if (f.type == 'I') {
        store(f, int32Bytes(value));
        return;
    }
    if (isNumeric(f.type) && f.decimals > 0) {
        setFloat(name, value);
        return;
    }
    const std::string text = std::to_string(value);
    if (isNumeric(f.type)) {
        if (static_cast<int>(text.size()) > f.length) {
            throw Error("El valor " + text + " no cabe en el campo " + f.name + ".");
        }
        store(f, rightAligned(text, f.length));
        return;
    }
    setText(name, text);
}

void Table::setFloat(const std::string& name, double value) {
    const DbfField& f = field(name);
    if (!isNumeric(f.type)) {
        if (f.type == 'I') {
            setInteger(name, static_cast<std::int32_t>(std::lround(value)));
            return;
        }
        setText(name, shortestNumber(value));
        return;
    }
    char buffer[400];
    const int length = std::snprintf(buffer, sizeof buffer, "%*.*f", f.length, f.decimals, value);
    if (length < 0 || length > f.length) {
        throw Error("El valor " + shortestNumber(value) + " no cabe en el campo " + f.name + ".");
    }
    store(f, std::string(buffer, static_cast<std::size_t>(length)));
}

void Table::setBoolean(const std::string& name, bool value) {
    const DbfField& f = field(name);
    if (f.type == 'L') {
        store(f, value ? "T" : "F");
        return;
    }
    setText(name, value ? "T" : "F");
}

bool Table::matches(std::size_t row, const DbfField& f, const std::string& value) const {
    const std::string_view raw = std::string_view(records_).substr(
        row * layout_.recordLength + f.offset, static_cast<std::size_t>(f.length));
    if (f.type == 'C') {
        return clipper::RTrim(raw) == clipper::RTrim(value);
    }
    return fieldText(f, raw) == value;
}

bool Table::locate(const std::string& fieldList, const std::vector<std::string>& values) {
    requireOpen();
    checkBrowseMode();
    std::vector<const DbfField*> keys;
    std::size_t start = 0;
    while (start <= fieldList.size()) {
        const std::size_t end = std::min(fieldList.find(';', start), fieldList.size());
        keys.push_back(&field(clipper::AllTrim(fieldList.substr(start, end - start))));
        start = end + 1;
    }
    if (keys.size() != values.size()) {
        throw Error("La búsqueda en la tabla " + label() + " necesita un valor por campo.");
    }
    for (std::size_t row = 0; row < rowCount_; ++row) {
        if (!visible(row)) {
            continue;
        }
        bool all = true;
        for (std::size_t k = 0; k < keys.size() && all; ++k) {
            all = matches(row, *keys[k], values[k]);
        }
        if (all) {
            current_ = row;
            eof_ = false;
            return true;
        }
    }
    return false;
}

void Table::setFilter(const std::string& expression) {
    filter_ = parseFilter(expression);
    if (isOpen()) {
        field(filter_->field);  // an unknown field is an error now, not while scanning
        if (filtered_) {
            first();
        }
    }
}

void Table::setFiltered(bool filtered) {
    filtered_ = filtered;
    if (isOpen()) {
        if (filtered_ && filter_) {
            field(filter_->field);
        }
        first();
    }
}

int Table::recordCount() const {
    requireOpen();
    int count = 0;
    for (std::size_t row = 0; row < rowCount_; ++row) {
        count += visible(row) ? 1 : 0;
    }
    return count;
}

void deleteTableFiles(const fs::path& directory, const std::string& baseName) {
    for (const char* extension : {".DBF", ".MDX"}) {
        if (auto existing = platform::findFileIgnoringCase(directory, baseName + extension)) {
            platform::requireNotHeldElsewhere(*existing);
            std::error_code ignored;
            fs::remove(*existing, ignored);
        }
    }
}

void recreateTable(const fs::path& directory, const std::string& baseName,
                   const FieldDefinitions& fields) {
    deleteTableFiles(directory, baseName);
    Table table(directory, baseName + ".DBF");
    table.create(fields);
}

}  // namespace quimbo::access
