// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes, the input box and the small text windows, each application-modal.
#include "game/window/qt/qt_dialogs.h"
#include "i18n/translation.h"

#include "game/window/qt/level_chooser.h"
#include "game/window/qt/records_window.h"
#include "game/window/qt/text_window.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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

void QtDialogs::confirm(const std::string& text, const std::string& title, std::function<void(bool yes)> done)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, i18n::shown(title), i18n::shown(text),
                                QMessageBox::Yes | QMessageBox::No, owner_);
    openModal(box, this, [done](QMessageBox* b, int) {
        done(b->clickedButton() == b->button(QMessageBox::Yes));
    });
}

void QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                         std::function<void(const std::string& answer)> done)
{
    auto* input = new QInputDialog(owner_);
    input->setWindowTitle(i18n::shown(title));
    input->setLabelText(i18n::shown(prompt));
    input->setTextValue(QString());
    openModal(input, this, [done](QInputDialog* d, int result) {
        done(result == QDialog::Accepted ? d->textValue().toStdString() : std::string());
    });
}

void QtDialogs::message(const std::string& text, std::function<void()> done)
{
    // An OK box has no title of its own: it shows the program's. Named here, as the
    // platform would otherwise show the executable's file name for an empty title.
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Kelvaro"), i18n::shown(text),
                                QMessageBox::Ok, owner_);
    openModal(box, this, [done](QMessageBox*, int) {
        done();
    });
}

void QtDialogs::showHelp(std::function<void()> done)
{
    auto* window = TextWindow::help(owner_);
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
