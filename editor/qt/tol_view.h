#pragma once

#include "program/tol_doc.h"
#include "editor/cell_editing.h"
#include "editor/channel_table.h"
#include "editor/form_settings.h"
#include "editor/transfer.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QLabel;

namespace tolvan {

class CMSFlexGrid;
class GridEditing;

// The form of the main window: the lists above the channel table and the grid.
// It binds widgets to the plain models (ChannelTable, FormSettings) and runs the
// transfers between them and the document's image; the rules live in the models.
class CTolView : public QWidget {
    Q_OBJECT
public:
    CTolView(CTolDoc& doc, Language language, QWidget* parent = nullptr);

    CTolDoc& document() { return doc_; }
    const ChannelTable& table() const { return table_; }
    const FormSettings& form() const { return form_; }
    CMSFlexGrid* grid() const { return grid_; }
    QComboBox* formList(int i) const { return lists_.at(static_cast<std::size_t>(i)); }
    QLineEdit* passwordEdit() const { return password_; }  // nullptr where the edition has none
    QGroupBox* functionGroup() const { return functionGroup_; }
    Language language() const { return language_; }

    // After New and Open: image-to-grid and the form lists from the image.
    void initialUpdate();
    // Image-to-grid: every cell and list from the document's image.
    void imageToGrid();
    // Grid-to-image: every channel record, name and view-owned settings byte.
    void gridToImage(MemoryImage& image) const;

    const std::string& portName() const { return port_; }
    void setPortName(std::string port) { port_ = std::move(port); }

    // Read From Radio / Write To Radio: commits the open cell edit, then runs
    // the transfer. A completed read is backed up, replaces the image and
    // refreshes the table. Returns whether the transfer completed.
    bool readFromRadio() { return runTransfer(Direction::Read); }
    bool writeToRadio() { return runTransfer(Direction::Write); }
    bool transferRunning() const { return transferRunning_; }

    void setTransfer(TransferFunction transfer) { transfer_ = std::move(transfer); }
    // Where completed reads are kept; empty: no backup.
    void setBackupDirectory(std::filesystem::path dir, std::string baseName);
    const std::filesystem::path& lastBackup() const { return lastBackup_; }

    // Cell editing: the editors over the grid, undo and the row commands.
    GridEditing& editing() { return *editing_; }
    // Commits the open cell editor (before a save, a transfer, a report).
    void commitCellEdit();
    // Runs `change` (which may change the image, the table and the form) as one
    // command that Undo takes back whole. Returns whether it changed the document.
    bool record(EditKind kind, const std::function<void()>& change);
    // Every cell from the table (after an edit changed it).
    void showTable();
    // Shows a cell-editing message; the window routes it to its message boxes.
    std::function<void(const Notice&)> notify;
    void showNotice(const Notice& notice);

signals:
    void hint(const QString& text);
    void changed();  // the user changed the document through the form
    void transferStateChanged(bool running);
    void backupFailed(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    bool runTransfer(Direction direction);
    void showForm();
    void attachHistory();
    // List i as the form's choice has it.
    void showList(int i);
    void setupGrid();
    // The form's lists: list i with its label, bound to FormSettings.
    bool hasListsAt(FormList::Place place) const;
    std::pair<QLabel*, QComboBox*> createFormList(int i, QWidget* parent);
    QGroupBox* createFunctionGroup();

    CTolDoc& doc_;
    Language language_;
    ChannelTable table_;
    FormSettings form_;
    CMSFlexGrid* grid_ = nullptr;
    QGroupBox* group_ = nullptr;          // "Type Setting": the lists above the table
    QGroupBox* functionGroup_ = nullptr;  // "Function Setting": the lists below it
    std::vector<QComboBox*> lists_;
    QLineEdit* password_ = nullptr;
    GridEditing* editing_ = nullptr;
    std::string port_ = "COM1";
    TransferFunction transfer_;
    bool transferRunning_ = false;
    std::filesystem::path backupDir_;
    std::string backupBase_;
    std::filesystem::path lastBackup_;
};

} // namespace tolvan
