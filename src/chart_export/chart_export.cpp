#include "chart_export/chart_export.h"

#include "core/atomic_file.h"
#include "ui/chart_output.h"
#include "ui/message_box.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgGenerator>

using namespace Qt::StringLiterals;

namespace chart_export {
namespace {

// Files keep what shows at twice the screen's resolution: a pie of ten thousand items
// records 750,000 spokes, of which a few thousand can be told apart.
constexpr double kFileScale = 2;

// The generator writes each line as a two-point polyline; a line is a line.
QByteArray withLines(const QByteArray& svg) {
    static const QRegularExpression kPolyline(
        uR"(<polyline fill="none" vector-effect="none" points="([^, ]+),([^, ]+) ([^, ]+),([^, ]+) " />)"_s);
    return QString::fromUtf8(svg)
        .replace(kPolyline, uR"(<line x1="\1" y1="\2" x2="\3" y2="\4"/>)"_s)
        .toUtf8();
}

bool writeSvg(const ui::Chart& chart, QIODevice& device) {
    const QSizeF size = chart.size;
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(96);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setTitle(u"Graphique de Statistique"_s);
    svg.setDescription(chart.description);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    ui::paintChart(painter, chart, kFileScale);
    if (!painter.end()) return false;
    const QByteArray text = withLines(buffer.data());
    return device.write(text) == text.size();
}

bool writePdf(const ui::Chart& chart, QIODevice& device) {
    const QSizeF size = chart.size;
    QPdfWriter pdf(&device);
    pdf.setResolution(96);  // one unit, one logical pixel
    pdf.setPageSize(
        QPageSize(size * 72.0 / 96.0, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(u"Graphique de Statistique"_s);
    pdf.setCreator(u"Statistique"_s);
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    ui::paintChart(painter, chart, kFileScale);
    return painter.end();
}

}  // namespace

std::optional<Type> typeOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png") return Type::Png;
    if (suffix == u"svg") return Type::Svg;
    if (suffix == u"pdf") return Type::Pdf;
    return std::nullopt;
}

QString write(const ui::Chart& chart, const QString& path, Type type) {
    return core::saveAtomically(path, [&](QIODevice& device) {
        switch (type) {
            case Type::Png:
                return ui::chartImage(chart, kFileScale).save(&device, "PNG");
            case Type::Svg:
                return writeSvg(chart, device);
            case Type::Pdf:
                return writePdf(chart, device);
        }
        return false;
    });
}

void print(const ui::Chart& chart, QPrinter& printer) {
    const QSizeF size = chart.size;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    QPainter painter;
    if (!painter.begin(&printer)) return;
    painter.translate((page.width() - size.width() * scale) / 2,
                      (page.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    ui::paintChart(painter, chart, scale);
    painter.end();
}

void copy(const ui::Chart& chart, double deviceRatio) {
    QGuiApplication::clipboard()->setImage(ui::chartImage(chart, kFileScale * deviceRatio));
}

void exportChosen(QWidget* parent, const ui::Chart& chart, const QString& suggested) {
    const QString path = ui::fileToSave(
        parent, u"Exporter le graphique"_s, suggested + u".png"_s,
        {u"Image PNG (*.png)"_s, u"Dessin vectoriel SVG (*.svg)"_s, u"Document PDF (*.pdf)"_s},
        {u"png"_s, u"svg"_s, u"pdf"_s});
    if (path.isEmpty()) return;
    const auto type = typeOf(path);
    const QString why =
        type ? write(chart, path, *type) : u"son type n'est ni PNG, ni SVG, ni PDF"_s;
    if (!why.isEmpty())
        ui::messageBox(u"Impossible d'exporter le graphique dans « %1 » : %2."_s.arg(
            QFileInfo(path).fileName(), why));
}

void printChosen(QWidget* parent, const ui::Chart& chart) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(u"Imprimer le graphique"_s);
    if (dialog.exec() == QDialog::Accepted) print(chart, printer);
}

}  // namespace chart_export
