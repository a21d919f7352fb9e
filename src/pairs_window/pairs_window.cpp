#include "pairs_window/pairs_window.h"

#include "chart_export/chart_export.h"
#include "core/atomic_file.h"
#include "core/numbers.h"
#include "core/pairs/pairs_file.h"
#include "pairs_window/pairs_model.h"
#include "pairs_window/scatter_view.h"
#include "ui/chart_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIODevice>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include "ui/message_box.h"

namespace pairs_window {

namespace pp = core::pairs;

QLabel* readableLabel(QWidget* parent, const char* name, const QString& accessible) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(accessible);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

namespace {

// A header whose captions wrap between words, as tall as the longest needs at the
// columns' width: a variable's long name reads in full in a narrow table.
class WrappingHeader : public QHeaderView {
public:
    explicit WrappingHeader(QTableView* table) : QHeaderView(Qt::Horizontal, table) {
        setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(int(Qt::TextWordWrap)));
        setTextElideMode(Qt::ElideNone);
        setSectionResizeMode(QHeaderView::Stretch);
        // The table sets the header's height from its size hint when laying itself out.
        connect(this, &QHeaderView::sectionResized, table, [table] {
            QMetaObject::invokeMethod(table, "updateGeometries", Qt::QueuedConnection);
        });
    }

    QSize sizeHint() const override {
        QSize size = QHeaderView::sizeHint();
        if (!model()) return size;
        const int pad = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 4;
        for (int section = 0; section < count(); ++section) {
            const QString text = model()->headerData(section, Qt::Horizontal).toString();
            const QRect box = fontMetrics().boundingRect(
                QRect(0, 0, std::max(sectionSize(section) - pad, 16), 10000),
                Qt::AlignCenter | Qt::TextWordWrap, text);
            size.setHeight(std::max(size.height(), box.height() + pad));
        }
        return size;
    }
};

}  // namespace

Deux_variables::Deux_variables(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Deux_variables"));
    setWindowTitle(QStringLiteral("Deux variables"));
    // The program ends with its main window, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    model_ = new PairsModel(this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(makeDataPanel());
    splitter->addWidget(makeFitPanel());
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({330, 770});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    connect(model_, &PairsModel::pairsChanged, this, &Deux_variables::update);
    resize(1100, 720);
    update();
}

// A name box losing its focus as the window goes would report to a window already gone.
Deux_variables::~Deux_variables() {
    for (QLineEdit* name : {nameX_, nameY_})
        if (name) name->disconnect(this);
}

QWidget* Deux_variables::makeDataPanel() {
    auto* panel = new QWidget(this);
    auto* form = new QFormLayout;
    nameX_ = new QLineEdit(QStringLiteral("x"), panel);
    nameX_->setObjectName(QStringLiteral("Nom_x"));
    nameY_ = new QLineEdit(QStringLiteral("y"), panel);
    nameY_->setObjectName(QStringLiteral("Nom_y"));
    form->addRow(QStringLiteral("Nom de &x :"), nameX_);
    form->addRow(QStringLiteral("Nom de &y :"), nameY_);
    for (QLineEdit* name : {nameX_, nameY_})
        connect(name, &QLineEdit::editingFinished, this,
                [this] { model_->setNames(nameX_->text(), nameY_->text()); });
    table_ = new QTableView(panel);
    table_->setObjectName(QStringLiteral("Table_paires"));
    table_->setAccessibleName(QStringLiteral("Table des paires"));
    table_->setHorizontalHeader(new WrappingHeader(table_));
    table_->setModel(model_);
    table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    auto* paste = new QShortcut(QKeySequence::Paste, table_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(paste, &QShortcut::activated, this, &Deux_variables::pasteClipboard);
    fault_ = readableLabel(panel, "Erreur_paires", QStringLiteral("Erreur des paires"));
    fault_->setStyleSheet(QStringLiteral("color: #b00000"));
    auto* open = new QPushButton(QStringLiteral("&Ouvrir…"), panel);
    open->setObjectName(QStringLiteral("Ouvrir_paires"));
    auto* save = new QPushButton(QStringLiteral("&Enregistrer…"), panel);
    save->setObjectName(QStringLiteral("Enregistrer_paires"));
    auto* pasteButton = new QPushButton(QStringLiteral("Co&ller"), panel);
    pasteButton->setObjectName(QStringLiteral("Coller_paires"));
    connect(open, &QPushButton::clicked, this, &Deux_variables::chooseFile);
    connect(save, &QPushButton::clicked, this, &Deux_variables::saveFile);
    connect(pasteButton, &QPushButton::clicked, this, &Deux_variables::pasteClipboard);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addWidget(save);
    buttons->addWidget(pasteButton);
    statistics_ = readableLabel(panel, "Statistiques_paires", QStringLiteral("Statistiques"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addWidget(table_, 1);
    layout->addWidget(fault_);
    layout->addLayout(buttons);
    layout->addWidget(statistics_);
    return panel;
}

QWidget* Deux_variables::makeChartButtons(const QString& name, std::function<ui::Chart()> chart) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    const auto button = [&](const QString& text, const QString& objectName, auto action) {
        auto* b = new QPushButton(text, row);
        b->setObjectName(objectName + name);
        connect(b, &QPushButton::clicked, this, action);
        layout->addWidget(b);
    };
    button(QStringLiteral("Copier"), QStringLiteral("Copier_"),
           [this, chart] { chart_export::copy(chart(), devicePixelRatioF()); });
    button(QStringLiteral("Exporter…"), QStringLiteral("Exporter_"),
           [this, chart, name] { chart_export::exportChosen(this, chart(), name.toLower()); });
    button(QStringLiteral("Imprimer…"), QStringLiteral("Imprimer_"),
           [this, chart] { chart_export::printChosen(this, chart()); });
    return row;
}

void Deux_variables::pasteClipboard() {
    const QModelIndex at = table_->currentIndex();
    const int row = at.isValid() ? at.row() : 0;
    QString text = QApplication::clipboard()->text();
    // A spreadsheet's header row, two texts that are not numbers, names the variables.
    const QStringList first = text.section(u'\n', 0, 0).trimmed().split(u'\t');
    if (row == 0 && first.size() == 2 && !core::readNumber(first[0].trimmed()) &&
        !core::readNumber(first[1].trimmed()) && !first[0].trimmed().isEmpty()) {
        nameX_->setText(first[0].trimmed());
        nameY_->setText(first[1].trimmed());
        model_->setNames(nameX_->text(), nameY_->text());
        text = text.section(u'\n', 1);
    }
    model_->paste(text, row, at.isValid() ? std::min(at.column(), 1) : 0);
}

void Deux_variables::setPairs(const pp::Pairs& pairs) {
    std::vector<pp::TypedRow> rows;
    rows.reserve(pairs.size());
    for (std::size_t i = 0; i < pairs.size(); ++i)
        rows.push_back({core::textOfNumber(pairs.x[i]), core::textOfNumber(pairs.y[i])});
    nameX_->setText(pairs.nameX);
    nameY_->setText(pairs.nameY);
    model_->setNames(pairs.nameX, pairs.nameY);
    model_->setRows(std::move(rows));
}

const pp::Pairs& Deux_variables::pairs() const {
    return *model_->typed().pairs;
}

bool Deux_variables::openFile(const QString& path) {
    const core::Reading<pp::Pairs> read = pp::readPairsFile(path);
    if (!read) {
        ui::messageBox(pp::explain(read.error, QFileInfo(path).fileName()), windowTitle());
        return false;
    }
    setPairs(*read.value);
    return true;
}

void Deux_variables::chooseFile() {
    const QString path =
        ui::fileToOpen(this, QStringLiteral("Ouvrir des paires"),
                       QStringLiteral("Paires (*.csv *.txt);;Tous les fichiers (*)"));
    if (!path.isEmpty()) openFile(path);
}

void Deux_variables::saveFile() {
    const QString path =
        ui::fileToSave(this, QStringLiteral("Enregistrer les paires"), QStringLiteral("paires.csv"),
                       {QStringLiteral("Paires (*.csv)")}, {QStringLiteral("csv")});
    if (path.isEmpty()) return;
    const QByteArray bytes = pp::pairsFile(pairs());
    const QString why = core::saveAtomically(
        path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
    if (!why.isEmpty()) ui::messageBox(why, windowTitle());
}

}  // namespace pairs_window
