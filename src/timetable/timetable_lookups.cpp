#include "timetable/timetable_lookups.hpp"

#include <functional>
#include <unordered_map>

#include "access/table_filter.hpp"
#include "common/error.hpp"
#include "text/clipper.hpp"

namespace quimbo::horario {

IntegerValue IntegerValue::read(const access::Table& table, const char* field) {
    IntegerValue value;
    try {
        value.value_ = table.asInteger(field);
    } catch (const Error& error) {
        value.error_ = error.what();
    }
    return value;
}

std::int32_t IntegerValue::get() const {
    if (!error_.empty()) {
        throw Error(error_);
    }
    return value_;
}

namespace {

SolucRow readSolucRow(const access::Table& soluc) {
    return {IntegerValue::read(soluc, "DIA"),
            soluc.asText("DIA"),
            IntegerValue::read(soluc, "HORA"),
            soluc.asText("MARCO"),
            soluc.asText("ASIG"),
            soluc.asText("CODGRUPO"),
            soluc.asText("TAREA"),
            soluc.asText("AULA")};
}

using Keys = std::vector<std::pair<const char*, std::string>>;

// Makes current the first row, from the top, whose fields hold the given values.
bool scanFor(access::Table& table, const Keys& keys) {
    for (table.first(); !table.eof(); table.next()) {
        bool all = true;
        for (const auto& [field, value] : keys) {
            if (table.asText(field) != value) {
                all = false;
                break;
            }
        }
        if (all) {
            return true;
        }
    }
    return false;
}

class ScanningLookups : public TimetableLookups {
  public:
    explicit ScanningLookups(TablasHorario& t) : t_(t) {}

    std::vector<SolucRow> rowsOf(const std::string& abrev) override {
        t_.soluc.setFiltered(false);
        t_.soluc.setFilter(access::filterExpression("PROF", abrev));
        t_.soluc.setFiltered(true);
        std::vector<SolucRow> rows;
        for (t_.soluc.first(); !t_.soluc.eof(); t_.soluc.next()) {
            rows.push_back(readSolucRow(t_.soluc));
        }
        return rows;
    }
    std::optional<OfertaMateria> asignacion(const std::string& casig,
                                            const std::string& cgrup) override {
        if (!scanFor(t_.asigt, {{"CASIG", casig}, {"CGRUP", cgrup}})) {
            return std::nullopt;
        }
        return OfertaMateria{t_.asigt.asText("CLAVE"), t_.asigt.asText("CLAVECURSO")};
    }
    std::optional<std::string> codTarea(const std::string& cod) override {
        if (!scanFor(t_.asignomt, {{"COD", cod}})) {
            return std::nullopt;
        }
        return t_.asignomt.asText("CODTAREA");
    }
    std::optional<Tramo> tramo(const std::string& diho, const std::string& marco) override {
        if (!scanFor(t_.diashorast, {{"DIHO", diho}, {"MARCO", marco}})) {
            return std::nullopt;
        }
        return Tramo{t_.diashorast.asText("DIA"), t_.diashorast.asText("CODDIHO"),
                     t_.diashorast.asText("HORADESDE"), t_.diashorast.asText("HORAHASTA")};
    }
    std::optional<Unidad> unidad(const std::string& abrev) override {
        if (!scanFor(t_.grupost, {{"ABREV", abrev}})) {
            return std::nullopt;
        }
        return Unidad{t_.grupost.asText("CLAVE"), t_.grupost.asText("CLAVECURSO")};
    }
    std::optional<std::string> materia(const std::string& cod,
                                       const std::string& ofertaMatri) override {
        if (!t_.asignomt2.locate("COD;OFERTAMATRI", {cod, ofertaMatri})) {
            return std::nullopt;
        }
        return t_.asignomt2.asText("MATERIA");
    }

  private:
    TablasHorario& t_;
};

// Two texts as one key; the separator cannot occur in table text read without its blanks.
std::string pairKey(const std::string& a, const std::string& b) {
    return a + '\x1F' + b;
}

// An index built the first time it is asked, so that a table is read (and its errors raised)
// exactly when the scans would first read it.
template <typename Value>
class LazyIndex {
  public:
    using Map = std::unordered_map<std::string, Value>;
    explicit LazyIndex(std::function<void(Map&)> build) : build_(std::move(build)) {}
    std::optional<Value> find(const std::string& key) {
        if (!map_) {
            map_.emplace();
            build_(*map_);
        }
        const auto found = map_->find(key);
        return found == map_->end() ? std::nullopt : std::optional<Value>(found->second);
    }

  private:
    std::function<void(Map&)> build_;
    std::optional<Map> map_;
};

// Every row of a table, first match of a key kept.
template <typename Value>
std::function<void(std::unordered_map<std::string, Value>&)> firstMatches(
    access::Table& table, std::function<std::string()> key, std::function<Value()> value) {
    return [&table, key, value](std::unordered_map<std::string, Value>& map) {
        for (table.first(); !table.eof(); table.next()) {
            map.try_emplace(key(), value());
        }
    };
}

class IndexedLookups : public TimetableLookups {
  public:
    explicit IndexedLookups(TablasHorario& t)
        : solucByProf_([&t](auto& map) {
              t.soluc.setFiltered(false);
              for (t.soluc.first(); !t.soluc.eof(); t.soluc.next()) {
                  // The filter compares text without its trailing blanks, as the key is read.
                  map[t.soluc.asText("PROF")].push_back(readSolucRow(t.soluc));
              }
          }),
          asigt_(firstMatches<OfertaMateria>(
              t.asigt, [&t] { return pairKey(t.asigt.asText("CASIG"), t.asigt.asText("CGRUP")); },
              [&t] {
                  return OfertaMateria{t.asigt.asText("CLAVE"), t.asigt.asText("CLAVECURSO")};
              })),
          codTarea_(firstMatches<std::string>(
              t.asignomt, [&t] { return t.asignomt.asText("COD"); },
              [&t] { return t.asignomt.asText("CODTAREA"); })),
          tramos_(firstMatches<Tramo>(
              t.diashorast,
              [&t] { return pairKey(t.diashorast.asText("DIHO"), t.diashorast.asText("MARCO")); },
              [&t] {
                  auto& d = t.diashorast;
                  return Tramo{d.asText("DIA"), d.asText("CODDIHO"), d.asText("HORADESDE"),
                               d.asText("HORAHASTA")};
              })),
          unidades_(firstMatches<Unidad>(
              t.grupost, [&t] { return t.grupost.asText("ABREV"); },
              [&t] {
                  return Unidad{t.grupost.asText("CLAVE"), t.grupost.asText("CLAVECURSO")};
              })),
          materias_(firstMatches<std::string>(
              t.asignomt2,
              [&t] {
                  return pairKey(t.asignomt2.asText("COD"), t.asignomt2.asText("OFERTAMATRI"));
              },
              [&t] { return t.asignomt2.asText("MATERIA"); })) {}

    std::vector<SolucRow> rowsOf(const std::string& abrev) override {
        return solucByProf_.find(clipper::RTrim(abrev)).value_or(std::vector<SolucRow>{});
    }
    std::optional<OfertaMateria> asignacion(const std::string& casig,
                                            const std::string& cgrup) override {
        return asigt_.find(pairKey(casig, cgrup));
    }
    std::optional<std::string> codTarea(const std::string& cod) override {
        return codTarea_.find(cod);
    }
    std::optional<Tramo> tramo(const std::string& diho, const std::string& marco) override {
        return tramos_.find(pairKey(diho, marco));
    }
    std::optional<Unidad> unidad(const std::string& abrev) override {
        return unidades_.find(abrev);
    }
    // The locate compares text with its trailing blanks insignificant.
    std::optional<std::string> materia(const std::string& cod,
                                       const std::string& ofertaMatri) override {
        return materias_.find(pairKey(clipper::RTrim(cod), clipper::RTrim(ofertaMatri)));
    }

  private:
    LazyIndex<std::vector<SolucRow>> solucByProf_;
    LazyIndex<OfertaMateria> asigt_;
    LazyIndex<std::string> codTarea_;
    LazyIndex<Tramo> tramos_;
    LazyIndex<Unidad> unidades_;
    LazyIndex<std::string> materias_;
};

}  // namespace

std::unique_ptr<TimetableLookups> scanningLookups(TablasHorario& tablas) {
    return std::make_unique<ScanningLookups>(tablas);
}

std::unique_ptr<TimetableLookups> indexedLookups(TablasHorario& tablas) {
    return std::make_unique<IndexedLookups>(tablas);
}

}  // namespace quimbo::horario
