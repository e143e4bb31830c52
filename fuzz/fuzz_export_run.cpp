// The whole export run on an arbitrary Séneca file, into a scratch exchange directory.
#include <cstdint>

#include "access/table.hpp"
#include "app/export_run.hpp"
#include "common/error.hpp"
#include "export/marcos_horarios.hpp"
#include "fuzz/fuzz_runs.hpp"
#include "fuzz/fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quimbo;
    const auto dir = fuzz::scratch() / "export";
    static const bool prepared = [&] {
        std::filesystem::create_directories(dir / "QTEMP");
        access::recreateTable(dir, "SENEMATERIAS",
                              {access::textField("NOMBRE", 80), access::textField("COD", 10),
                               access::textField("CODLARGO", 10)});
        return true;
    }();
    (void)prepared;
    const auto file = dir / "seneca.xml";
    fuzz::writeBytes(file, data, size);
    fuzz::FuzzSeam seam(file.string());
    {
        access::XmlDocument document;
        document.loadFromMemory(std::string(reinterpret_cast<const char*>(data), size));
        const auto marcos = exporta::marcosDelDocumento(document);
        seam.frames.selection =
            marcos.empty() ? "" : exporta::juzgarSeleccion({marcos[0].codigo}).marcosSeleccionados;
    }
    app::ProcessState state;
    try {
        app::BExportarClick(state, seam, {dir / "QTEMP", dir});
    } catch (const Error&) {
    }
    return 0;
}
