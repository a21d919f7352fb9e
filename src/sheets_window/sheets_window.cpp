#include "sheets_window/sheets_window.h"

#include "core/sheets/sheets.h"
#include "ui/sheets/sheets_pdf.h"

#include <QAccessible>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>
#include "ui/message_box.h"

using namespace Qt::StringLiterals;

namespace {

QPushButton* button(const QString& caption, const char* name) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

Feuilles::Feuilles(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(u"Feuilles"_s);
    setWindowTitle(u"Feuilles pour la classe"_s);
    list_ = new QListWidget;
    list_->setObjectName(u"Liste_exercices"_s);
    list_->setAccessibleName(u"Exercices à mettre sur les feuilles"_s);
    pupils_ = new QPlainTextEdit(u"30"_s);
    pupils_->setObjectName(u"Eleves"_s);
    pupils_->setAccessibleName(u"Élèves : un nombre, ou un nom par ligne"_s);
    pupils_->setTabChangesFocus(true);
    pupils_->setMaximumHeight(pupils_->fontMetrics().lineSpacing() * 7);
    first_ = new QSpinBox;
    first_->setObjectName(u"Premiere_serie"_s);
    first_->setRange(1, int(core::sheets::kLastSeries));
    sheetsFile_ = new QLineEdit;
    sheetsFile_->setObjectName(u"Fichier_feuilles"_s);
    keyFile_ = new QLineEdit;
    keyFile_->setObjectName(u"Fichier_corrige"_s);
    progress_ = new QProgressBar;
    progress_->setObjectName(u"Progression"_s);
    progress_->setRange(0, 100);
    progress_->hide();
    status_ = new QLabel;
    status_->setObjectName(u"Etat"_s);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* fromFile = button(u"&Depuis un fichier…"_s, "Eleves_fichier");
    auto* chooseSheets = button(u"&Parcourir…"_s, "Parcourir_feuilles");
    auto* chooseKey = button(u"Pa&rcourir…"_s, "Parcourir_corrige");
    writeButton_ = button(u"&Écrire les feuilles"_s, "Ecrire");
    cancel_ = button(u"Annuler"_s, "Annuler");
    cancel_->hide();
    auto* close = button(u"Fermer"_s, "Fermer");

    auto* form = new QFormLayout;
    form->addRow(u"E&xercices :"_s, list_);
    auto* pupilsColumn = new QVBoxLayout;
    pupilsColumn->addWidget(pupils_);
    pupilsColumn->addWidget(fromFile, 0, Qt::AlignLeft);
    // A label beside a layout gets no buddy of its own: its mnemonic would show as "&".
    const auto label = [](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text);
        l->setBuddy(buddy);
        return l;
    };
    form->addRow(label(u"É&lèves :"_s, pupils_), pupilsColumn);
    form->addRow(u"Premier &numéro de série :"_s, first_);
    const auto fileRow = [&](const QString& caption, QLineEdit* edit, QPushButton* choose) {
        auto* row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(choose);
        form->addRow(label(caption, edit), row);
    };
    fileRow(u"&Feuilles (PDF) :"_s, sheetsFile_, chooseSheets);
    fileRow(u"&Corrigé (PDF, facultatif) :"_s, keyFile_, chooseKey);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(progress_, 1);
    buttons->addStretch();
    buttons->addWidget(writeButton_);
    buttons->addWidget(cancel_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    resize(560, 520);

    connect(fromFile, &QPushButton::clicked, this, &Feuilles::loadPupils);
    connect(chooseSheets, &QPushButton::clicked, this,
            [this] { chooseFile(sheetsFile_, u"Feuilles des élèves"_s); });
    connect(chooseKey, &QPushButton::clicked, this, [this] { chooseFile(keyFile_, u"Corrigé"_s); });
    connect(writeButton_, &QPushButton::clicked, this, &Feuilles::write);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (cancelled_) *cancelled_ = true;
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

Feuilles::~Feuilles() {
    if (!worker_) return;
    *cancelled_ = true;
    worker_->wait();
}

void Feuilles::setExercises(const std::vector<core::ExerciseFile>& files) {
    list_->clear();
    exercises_.clear();
    for (const core::ExerciseFile& f : files) {
        if (!f.reading.value) continue;
        auto* item = new QListWidgetItem(f.reading.value->title, list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setToolTip(QFileInfo(f.path).fileName());
        exercises_.push_back(*f.reading.value);
    }
}

QString Feuilles::status() const {
    return status_->text();
}

void Feuilles::tell(const QString& text) {
    status_->setText(text);
    status_->setAccessibleName(text);
    QAccessibleValueChangeEvent event(status_, text);
    QAccessible::updateAccessibility(&event);
}

void Feuilles::chooseFile(QLineEdit* edit, const QString& caption) {
    const QString path =
        ui::fileToSave(this, caption, edit->text(), {u"Documents PDF (*.pdf)"_s}, {u"pdf"_s});
    if (!path.isEmpty()) edit->setText(path);
}

void Feuilles::loadPupils() {
    const QString path = ui::fileToOpen(this, u"Liste des élèves"_s,
                                        u"Listes d'élèves (*.txt *.csv);;Tous les fichiers (*)"_s);
    if (path.isEmpty()) return;
    const auto read = core::sheets::readPupils(path);
    if (!read) {
        tell(u"« %1 » ne se lit pas : %2"_s.arg(QFileInfo(path).fileName(), read.error.why));
        return;
    }
    pupils_->setPlainText(read.value->join(u'\n'));
}

void Feuilles::write() {
    std::vector<core::Exercise> chosen;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked) chosen.push_back(exercises_[size_t(i)]);
    if (chosen.empty()) return tell(u"Cochez au moins un exercice."_s);
    const auto pupils = core::sheets::pupilsTyped(pupils_->toPlainText());
    if (!pupils) return tell(u"Élèves : "_s + pupils.error.why + u'.');
    const auto first = quint32(first_->value());
    const QString fault = core::sheets::fault(int(pupils.value->size()), first);
    if (!fault.isEmpty()) return tell(fault.left(1).toUpper() + fault.mid(1) + u'.');
    const QString sheetsPath = sheetsFile_->text().trimmed(), keyPath = keyFile_->text().trimmed();
    if (!sheetsPath.endsWith(u".pdf"_s, Qt::CaseInsensitive) ||
        (!keyPath.isEmpty() && !keyPath.endsWith(u".pdf"_s, Qt::CaseInsensitive)))
        return tell(u"Les feuilles et le corrigé s'écrivent dans des fichiers .pdf."_s);

    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    writeButton_->setEnabled(false);
    cancel_->show();
    progress_->setValue(0);
    progress_->show();
    tell(u"Écriture des feuilles…"_s);
    // The writing runs on a thread of its own; the window only hears of its progress.
    const auto sheets = core::sheets::sheetsFor(chosen, *pupils.value, first);
    const auto key = keyPath.isEmpty() ? std::vector<core::sheets::KeyEntry>{}
                                       : core::sheets::answerKeyFor(chosen, *pupils.value, first);
    worker_ = QThread::create([this, sheets, key, sheetsPath, keyPath, stop = cancelled_] {
        const double parts = key.empty() ? 1 : 2;
        const auto progress = [this, stop, parts](double base) {
            return [this, stop, parts, base](double share) {
                QMetaObject::invokeMethod(progress_, "setValue", Qt::QueuedConnection,
                                          Q_ARG(int, int(100 * (base + share) / parts)));
                return !*stop;
            };
        };
        QString fault = sheets::writeSheets(sheets, sheetsPath, progress(0));
        if (fault.isEmpty() && !key.empty())
            fault = sheets::writeAnswerKey(key, keyPath, progress(1));
        QMetaObject::invokeMethod(
            this, [this, fault] { finish(fault); }, Qt::QueuedConnection);
    });
    worker_->start();
}

void Feuilles::finish(const QString& fault) {
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    writeButton_->setEnabled(true);
    cancel_->hide();
    progress_->hide();
    const QString sheetsPath = sheetsFile_->text().trimmed(), keyPath = keyFile_->text().trimmed();
    if (!fault.isEmpty()) return tell(u"Les feuilles ne sont pas écrites : "_s + fault + u'.');
    tell(keyPath.isEmpty()
             ? u"Feuilles écrites dans « %1 »."_s.arg(QFileInfo(sheetsPath).fileName())
             : u"Feuilles écrites dans « %1 », corrigé dans « %2 »."_s.arg(
                   QFileInfo(sheetsPath).fileName(), QFileInfo(keyPath).fileName()));
    emit written(sheetsPath, keyPath);
}
