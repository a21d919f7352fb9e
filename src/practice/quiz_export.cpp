#include "practice/quiz_export.h"

#include "core/atomic_file.h"
#include "core/quiz/quiz.h"
#include "ui/command_button.h"
#include "ui/message_box.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIODevice>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

using namespace Qt::StringLiterals;

ExportMoodle::ExportMoodle(QWidget* parent, std::vector<core::Exercise> exercises, int ticked)
    : QDialog(parent), exercises_(std::move(exercises)) {
    setWindowTitle(u"Exporter pour Moodle"_s);
    Liste_exercices = new QListWidget(this);
    Liste_exercices->setObjectName(u"Liste_exercices"_s);
    Liste_exercices->setAccessibleName(u"Exercices à exporter"_s);
    for (size_t i = 0; i < exercises_.size(); ++i) {
        auto* item = new QListWidgetItem(exercises_[i].title, Liste_exercices);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(int(i) == ticked ? Qt::Checked : Qt::Unchecked);
    }
    Nombre_variantes = new QSpinBox(this);
    Nombre_variantes->setObjectName(u"Nombre_variantes"_s);
    Nombre_variantes->setRange(1, core::quiz::kMaxVariants);
    Nombre_variantes->setValue(30);
    Premiere_serie = new QSpinBox(this);
    Premiere_serie->setObjectName(u"Premiere_serie"_s);
    Premiere_serie->setRange(1, std::numeric_limits<int>::max() - core::quiz::kMaxVariants);
    Format = new QComboBox(this);
    Format->setObjectName(u"Format"_s);
    Format->addItems({u"Moodle XML (.xml)"_s, u"GIFT (.gift)"_s});
    auto* form = new QFormLayout;
    form->addRow(u"&Variantes de chaque question :"_s, Nombre_variantes);
    form->addRow(u"&Première série n° :"_s, Premiere_serie);
    form->addRow(u"&Format :"_s, Format);
    Command_enregistrer = ui::pushButton(this, u"Enregistrer…"_s, "Command_enregistrer");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(Command_enregistrer, QDialogButtonBox::ActionRole);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Liste_exercices);
    column->addLayout(form);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Command_enregistrer, &QPushButton::clicked, this, &ExportMoodle::save);
}

QString ExportMoodle::write(const QString& path) const {
    core::quiz::Request request{{}, Nombre_variantes->value(), quint32(Premiere_serie->value())};
    for (int i = 0; i < Liste_exercices->count(); ++i)
        if (Liste_exercices->item(i)->checkState() == Qt::Checked)
            request.exercises.push_back(exercises_[size_t(i)]);
    if (request.exercises.empty()) return u"aucun exercice n'est coché"_s;
    QProgressDialog progress(u"Écriture du questionnaire…"_s, u"Annuler"_s, 0, 1000,
                             const_cast<ExportMoodle*>(this));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const auto step = [&](double share) {
        progress.setValue(int(share * 1000));
        return !progress.wasCanceled();
    };
    const std::optional<QString> text = Format->currentIndex() == 0
                                            ? core::quiz::moodleXml(request, step)
                                            : core::quiz::gift(request, step);
    if (!text) return u"l'écriture a été annulée"_s;
    const QByteArray bytes = text->toUtf8();
    return core::saveAtomically(
        path, [&](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

void ExportMoodle::save() {
    const bool xml = Format->currentIndex() == 0;
    const QString path = ui::fileToSave(
        this, u"Exporter pour Moodle"_s, xml ? u"quiz.xml"_s : u"quiz.gift"_s,
        {xml ? u"Moodle XML (*.xml)"_s : u"GIFT (*.gift)"_s}, {xml ? u"xml"_s : u"gift"_s});
    if (path.isEmpty()) return;
    const QString why = write(path);
    if (!why.isEmpty())
        ui::messageBox(u"Le questionnaire n'a pas été écrit : "_s + why + u'.');
    else
        accept();
}
