#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "access/xml_document.hpp"

namespace quimbo::test {

// One `dato`: its nombre_dato and its text (UTF-8, escaped when written).
using Dato = std::pair<std::string, std::string>;
using Registro = std::vector<Dato>;

// Builds small Séneca exchange documents for tests. Groups are written in the order added.
class SenecaBuilder {
  public:
    SenecaBuilder();
    // A top-level group holding its own values (the school year, for instance).
    SenecaBuilder& valueGroup(const std::string& seq, const Registro& values);
    // A top-level group of records.
    SenecaBuilder& group(const std::string& seq, const std::vector<Registro>& records);
    // Raw markup placed inside BLOQUE_DATOS as it stands.
    SenecaBuilder& raw(const std::string& markup);

    std::string xml(const std::string& declaration =
                        "<?xml version=\"1.0\" "
                        "encoding=\"UTF-8\"?>") const;
    std::unique_ptr<access::XmlDocument> document() const;

  private:
    std::string body_;
};

// The usual school-year group followed by a records group, so that PERIODOS has its row.
SenecaBuilder withSchoolYear();

// A whole school in miniature: one course (6001) with one unit (700000) and one subject
// (Lengua Castellana y Literatura, 400000), an activity (1, Guardia), one teacher (100, Juan
// García Pérez), one room and one time frame (M) of one slot (101, 480 to 540).
SenecaBuilder miniatureSchool(const std::string& room = "A01");

std::unique_ptr<access::XmlDocument> parse(const std::string& xml);

}  // namespace quimbo::test
