// The floor for `vkp2plan table --all --format csv`: the same number of rows with the same
// columns, formatted and printed by the same code (numbers::resultText for every number,
// cli::writeTable, one write to standard output), from numbers worked out beforehand with the
// plain formulas. What vkp2plan costs above this is running the calculator for every row.

#include "calculator/catalog/binning_table.h"
#include "calculator/catalog/camera_table.h"
#include "calculator/catalog/ocular_table.h"
#include "calculator/catalog/telescope_table.h"
#include "calculator/core/numbers.h"
#include "calculator/core/optics.h"
#include "cli/output.h"
#include "planner/sampling.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <vector>

using namespace vkp2;

namespace {

struct Numbers {
    const char *telescope, *ocular, *camera, *mode;
    double tl, d, magnification, efl, efr, fovW, fovH, scaleW, scaleH;
};

std::vector<Numbers> precompute()
{
    std::vector<Numbers> out;
    const double tl = 5, d = 55;
    for (const auto &t : catalog::kTelescopes) {
        for (int o = -1; o < int(catalog::kOculars.size()); ++o) {
            double mag = 0, efl = t.focalLength, rowTl = 0, rowD = 0;
            const char *ocular = "No-VKP2";
            if (o >= 0) {
                const auto &oc = catalog::kOculars[std::size_t(o)];
                ocular = oc.name;
                mag = optics::magnification(optics::projectionDistance(oc.length, tl, d, oc.offset),
                                            oc.focalLength);
                efl = numbers::round2(optics::extendedFocalLength(mag, t.focalLength));
                rowTl = tl;
                rowD = d;
            }
            const auto add = [&](const char *camera, const char *mode, double pw, double ph,
                                 double cw, double ch) {
                out.push_back({t.name, ocular, camera, mode, rowTl, rowD, mag, efl,
                               efl / t.aperture,
                               optics::fieldOfViewArcmin(optics::chipMillimetres(pw, cw), efl),
                               optics::fieldOfViewArcmin(optics::chipMillimetres(ph, ch), efl),
                               optics::pixelScaleArcsec(pw, efl), optics::pixelScaleArcsec(ph, efl)});
            };
            for (const auto &c : catalog::kCameras) {
                if (!c.binning) {
                    add(c.name, "", c.pixelWidth, c.pixelHeight, c.chipWidth, c.chipHeight);
                    continue;
                }
                for (const char *mode : catalog::kBinningModes) {
                    const catalog::BinningRow *row = nullptr;
                    for (const auto &b : catalog::kBinning) {
                        if (QLatin1String(b.camera) == QLatin1String(c.name)
                            && QLatin1String(b.mode) == QLatin1String(mode))
                            row = &b;
                    }
                    if (!row) // a refused mode shows its fallback's values
                        row = &catalog::kBinning[catalog::kBinning.size() - 1];
                    add(c.name, mode, row->pixelWidth, row->pixelHeight, row->chipWidth,
                        row->chipHeight);
                }
            }
        }
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    const std::vector<Numbers> rows = precompute();

    cli::Table table;
    for (const char *key : {"telescope", "ocular", "camera", "binning", "tl_mm", "d_mm",
                            "magnification", "efl_mm", "efr", "fov_width_arcmin",
                            "fov_height_arcmin", "scale_width_arcsec_per_px",
                            "scale_height_arcsec_per_px", "sampling", "note"})
        table.add(cli::Field{QLatin1String(key), QLatin1String(key)});
    table.rows.reserve(qsizetype(rows.size()));
    for (const Numbers &n : rows) {
        const auto verdict = planner::seeingVerdict(n.scaleW, 2);
        table.rows.append(QList<cli::Cell>{
            cli::Cell::str(QLatin1String(n.telescope)), cli::Cell::str(QLatin1String(n.ocular)),
            cli::Cell::str(QLatin1String(n.camera)), cli::Cell::str(QLatin1String(n.mode)),
            cli::Cell::num(numbers::format(n.tl)), cli::Cell::num(numbers::format(n.d)),
            cli::Cell::num(n.magnification ? numbers::resultText(n.magnification) : QString()),
            cli::Cell::num(numbers::resultText(n.efl)), cli::Cell::num(numbers::resultText(n.efr)),
            cli::Cell::num(numbers::resultText(n.fovW)), cli::Cell::num(numbers::resultText(n.fovH)),
            cli::Cell::num(numbers::resultText(n.scaleW)),
            cli::Cell::num(numbers::resultText(n.scaleH)),
            cli::Cell::str(verdict ? planner::samplingWord(*verdict) : QString()),
            cli::Cell::str(QString())});
    }
    const QByteArray out = cli::writeTable(table, cli::Format::Csv);
    return std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout) == std::size_t(out.size())
                   && std::fflush(stdout) == 0
               ? 0
               : 3;
}
