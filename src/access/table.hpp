#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "access/dbf_layout.hpp"
#include "access/field_definition.hpp"
#include "access/table_filter.hpp"
#include "platform/locked_file.hpp"

namespace quimbo::access {

enum class OpenMode { Shared, Exclusive };

// A dBase table with the semantics the working tables rely on: a current row, one pending row
// (edit or insert) that post stores, forward scans in stored order with deleted rows hidden, an
// optional row filter, locate by several fields, and text cut to the field width on store.
// Text values are Windows-1252 bytes.
class Table {
  public:
    // `tableName` is matched without regard to case in `directory`; ".DBF" is added when the name
    // has no extension (CursosT is CURSOST.DBF).
    Table(std::filesystem::path directory, std::string tableName);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Writes a new empty table with exactly these fields, replacing any file of that name.
    void create(const FieldDefinitions& fields);

    void open(OpenMode mode = OpenMode::Shared);
    void close();  // drops a pending row that was not stored
    bool isOpen() const { return file_ != nullptr; }

    void first();
    void next();
    // Makes the index-th visible row current (0-based); false past the last one.
    bool moveTo(int index);
    // The 0-based position of the current row among the visible rows; -1 without one.
    int position() const;
    bool eof() const { return eof_; }

    void append();
    void edit();
    void post();
    void cancel();
    bool editing() const { return state_ != State::Browse; }

    std::string asText(const std::string& field) const;
    std::int32_t asInteger(const std::string& field) const;
    double asFloat(const std::string& field) const;
    bool asBoolean(const std::string& field) const;

    void setText(const std::string& field, const std::string& value);
    void setInteger(const std::string& field, std::int32_t value);
    void setFloat(const std::string& field, double value);
    void setBoolean(const std::string& field, bool value);

    // Fields joined by ";", one value per field; exact match, trailing blanks of text fields
    // insignificant. Makes the first matching row current.
    bool locate(const std::string& fields, const std::vector<std::string>& values);

    void setFilter(const std::string& expression);
    void setFiltered(bool filtered);

    // Visible rows: not deleted and, while filtering, passing the filter.
    int recordCount() const;

    const std::vector<DbfField>& fields() const { return layout_.fields; }
    std::filesystem::path path() const;
    std::string label() const;

  private:
    enum class State { Browse, Edit, Insert };

    void requireOpen() const;
    const DbfField& field(const std::string& name) const;
    std::string_view currentRecord() const;
    std::string_view rawValue(const DbfField& field) const;
    void store(const DbfField& field, const std::string& bytes);
    void checkBrowseMode();
    bool visible(std::size_t row) const;
    std::optional<std::size_t> firstVisibleFrom(std::size_t row) const;
    bool matches(std::size_t row, const DbfField& field, const std::string& value) const;
    void writeRow(std::size_t row);
    void flushAppendedRows();
    void writeHeaderCount();

    std::filesystem::path directory_;
    std::string fileName_;
    std::unique_ptr<platform::LockedFile> file_;
    DbfLayout layout_;
    std::string records_;  // the record area: recordCount × recordLength bytes
    std::size_t rowCount_ = 0;
    std::size_t flushedRows_ = 0;  // rows already written to the file
    std::optional<std::size_t> current_;
    bool eof_ = true;
    State state_ = State::Browse;
    bool modified_ = false;
    bool headerOutdated_ = false;
    std::string pending_;
    std::optional<TableFilter> filter_;
    bool filtered_ = false;
};

// Deletes NAME.DBF and NAME.MDX, found without regard to case; a failed deletion is ignored.
void deleteTableFiles(const std::filesystem::path& directory, const std::string& baseName);

// The re-creation of a working table: deletes NAME.DBF and NAME.MDX (found without regard to
// case; a failed deletion is ignored) and creates NAME.DBF with the given fields.
void recreateTable(const std::filesystem::path& directory, const std::string& baseName,
                   const FieldDefinitions& fields);

}  // namespace quimbo::access
