// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes, the input box and the small text windows, each application-modal.
#include "game/desktop/qt_dialogs.h"
#include "i18n/translation.h"
#include "game/play/window_phrases.h"

#include "game/desktop/keys_dialog.h"
#include "game/desktop/level_chooser.h"
#include "game/desktop/records_window.h"
#include "game/desktop/text_window.h"

#include <algorithm>

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>

namespace kelvaro {
namespace {

// Opens without a nested event loop; `finish` runs when the box closes, then the owner's after_close.
template <typename Dialog, typename Finish>
void openModal(Dialog* dialog, const QtDialogs* owner, Finish finish)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, owner, finish](int result) {
        finish(dialog, result);
        if (owner->after_close)
            owner->after_close();
    });
    dialog->open();
}

} // namespace

void QtDialogs::confirm(const Message& text, const Message& title, std::function<void(bool yes)> done)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, i18n::shown(title), i18n::shown(text), QMessageBox::Yes | QMessageBox::No,
                                owner_);
    openModal(box, this, [done](QMessageBox* b, int) {
        done(b->clickedButton() == b->button(QMessageBox::Yes));
    });
}

void QtDialogs::inputBox(const Message& prompt, const Message& title, std::function<void(const std::string& answer)> done)
{
    auto* input = new QInputDialog(owner_);
    input->setWindowTitle(i18n::shown(title));
    input->setLabelText(i18n::shown(prompt));
    input->setTextValue(QString());
    openModal(input, this, [done](QInputDialog* d, int result) {
        done(result == QDialog::Accepted ? d->textValue().toStdString() : std::string());
    });
}

void QtDialogs::message(const Message& text, std::function<void()> done)
{
    // An OK box has no title of its own: it shows the program's. Named here, as the
    // platform would otherwise show the executable's file name for an empty title.
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Kelvaro"), i18n::shown(text), QMessageBox::Ok, owner_);
    openModal(box, this, [done](QMessageBox*, int) {
        done();
    });
}

void QtDialogs::showHelp(std::function<void()> done)
{
    auto* window = TextWindow::help(owner_, keys_in_use ? keys_in_use->keyboard : KeyBindings::defaults());
    openModal(window, this, [done](QDialog*, int) {
        done();
    });
}

void QtDialogs::showAbout(std::function<void()> done)
{
    auto* window = TextWindow::about(owner_);
    openModal(window, this, [done](QDialog*, int) {
        done();
    });
}

} // namespace kelvaro

namespace kelvaro {

void QtDialogs::showRecords(const RecordsShown& shown, std::function<void()> done)
{
    auto* window = new RecordsWindow(shown, owner_);
    records_ = window;
    openModal(window, this, [done](QDialog*, int) {
        done();
    });
}

void QtDialogs::updateRecords(const RecordsShown& shown)
{
    if (records_)
        records_->show(shown);
}

} // namespace kelvaro

namespace kelvaro {

void QtDialogs::chooseLevel(const ChooserRequest& request, std::function<void(std::optional<LevelChoice>)> done)
{
    auto* chooser = new LevelChooser(request, images_, owner_);
    chooser_ = chooser;
    openModal(chooser, this, [done](LevelChooser* c, int) {
        done(c->choice());
    });
}

void QtDialogs::updateChooser()
{
    if (chooser_)
        chooser_->refreshFigures();
}

void QtDialogs::pickFolder(std::function<void(std::optional<std::filesystem::path>)> done)
{
    auto* picker = new QFileDialog(owner_, QCoreApplication::translate("QtDialogs", "Open level folder"), QString::fromStdString(first_folder.string()));
    picker->setFileMode(QFileDialog::Directory);
    picker->setOption(QFileDialog::ShowDirsOnly);
    openModal(picker, this, [done](QFileDialog* d, int result) {
        const QStringList chosen = d->selectedFiles();
        if (result == QDialog::Accepted && !chosen.isEmpty())
            done(std::filesystem::path(chosen.front().toStdString()));
        else
            done(std::nullopt);
    });
}

} // namespace kelvaro

namespace kelvaro {
namespace {

QString dialogText(const char* text) { return QCoreApplication::translate("QtDialogs", text); }

// A grade to pick and a code to type; the code, when there is one, wins over the grade.
// Wide enough that the title bar shows the whole title beside its buttons, in any language.
void roomForTitle(QWidget* box)
{
    box->setMinimumWidth(std::max(box->minimumWidth(), box->fontMetrics().horizontalAdvance(box->windowTitle()) + 160));
}

class PuzzleBox : public QDialog {
public:
    PuzzleBox(forge::Grade grade, QWidget* owner) : QDialog(owner)
    {
        setWindowTitle(i18n::shown(phrase(words::context, words::generated_puzzle)));
        auto* form = new QFormLayout(this);
        const char* names[] = {QT_TRANSLATE_NOOP("QtDialogs", "Easy"), QT_TRANSLATE_NOOP("QtDialogs", "Medium"),
                               QT_TRANSLATE_NOOP("QtDialogs", "Hard"), QT_TRANSLATE_NOOP("QtDialogs", "Expert")};
        for (forge::Grade each : forge::grades)
            grades_->addItem(dialogText(names[static_cast<int>(each)]), static_cast<int>(each));
        grades_->setCurrentIndex(static_cast<int>(grade));
        code_->setPlaceholderText(dialogText(QT_TRANSLATE_NOOP("QtDialogs", "such as M-00042")));
        form->addRow(dialogText(QT_TRANSLATE_NOOP("QtDialogs", "Grade:")), grades_);
        form->addRow(dialogText(QT_TRANSLATE_NOOP("QtDialogs", "Code:")), code_);
        auto* note = new QLabel(dialogText(QT_TRANSLATE_NOOP("QtDialogs", "Without a code, a new puzzle of the grade.")));
        note->setWordWrap(true);
        form->addRow(note);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        form->addRow(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        roomForTitle(this);
    }

    PuzzleAsk answer() const
    {
        return {static_cast<forge::Grade>(grades_->currentData().toInt()), code_->text().toStdString()};
    }

private:
    QComboBox* grades_ = new QComboBox(this);
    QLineEdit* code_ = new QLineEdit(this);
};

} // namespace

void QtDialogs::askPuzzle(forge::Grade grade, std::function<void(std::optional<PuzzleAsk>)> done)
{
    auto* box = new PuzzleBox(grade, owner_);
    box->setObjectName("puzzle_box");
    openModal(box, this, [done](PuzzleBox* b, int result) {
        done(result == QDialog::Accepted ? std::optional<PuzzleAsk>(b->answer()) : std::nullopt);
    });
}

void QtDialogs::showProgress(const Message& title, std::function<void()> cancelled)
{
    auto* box = new QProgressDialog(owner_);  // its own Cancel button, worded by Qt's translation
    box->setLabelText(dialogText(QT_TRANSLATE_NOOP("QtDialogs", "Making the puzzle…")));
    box->setRange(0, 1000);
    box->setWindowTitle(i18n::shown(title));
    box->setObjectName("forge_progress");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setAutoReset(false);
    box->setAutoClose(false);
    box->setMinimumDuration(0);
    roomForTitle(box);
    box->setValue(0);
    progress_ = box;
    QObject::connect(box, &QProgressDialog::canceled, box, [this, box, cancelled] {
        box->deleteLater();
        cancelled();
        if (after_close)
            after_close();
    });
    box->open();
}

void QtDialogs::setProgress(double share)
{
    if (progress_)
        progress_->setValue(static_cast<int>(share * 1000));
}

void QtDialogs::endProgress()
{
    if (!progress_)
        return;
    QProgressDialog* box = progress_;
    QObject::disconnect(box, &QProgressDialog::canceled, nullptr, nullptr);  // closing it is no Cancel
    box->close();
    box->deleteLater();
}

} // namespace kelvaro

namespace kelvaro {

void QtDialogs::chooseKeys(const PlayerKeys& keys, std::function<void(std::optional<PlayerKeys>)> done)
{
    openModal(new KeysDialog(keys, owner_), this, [done](KeysDialog* d, int result) {
        done(result == QDialog::Accepted ? std::optional<PlayerKeys>(d->chosen()) : std::nullopt);
    });
}

} // namespace kelvaro
