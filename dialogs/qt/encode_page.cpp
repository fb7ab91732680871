#include "dialogs/qt/encode_page.h"

#include "dialogs/qt/qt_text.h"
#include "dialogs/qt/text_spin_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>

namespace tolvan {
namespace {

TextSpinBox* timeBox(const TimeSpin& spin)
{
    return new TextSpinBox([&spin](const QString& text, bool up) { return qs(spin.step(text.toStdString(), up)); }, 4);
}

} // namespace

CEncodePage::CEncodePage(MemoryImage& image, const TwoToneTexts& texts, const QString& messageCaption,
                         QWidget* parent)
    : ImagePage(parent), image_(image), texts_(texts)
{
    showMessage = [this, messageCaption](const QString& message) {
        QMessageBox::information(this, messageCaption, message);
    };

    grid_ = new QTableWidget(twotone::kEncodeEntries, 3, this);
    grid_->setHorizontalHeaderLabels({qs(texts.gridHeaders[0]), qs(texts.gridHeaders[1]), qs(texts.gridHeaders[2])});
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setTabKeyNavigation(false);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    for (int row = 0; row < twotone::kEncodeEntries; ++row) {
        auto* number = new QTableWidgetItem(QString::number(row + 1));
        number->setFlags(Qt::ItemIsEnabled);
        number->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(row, 0, number);
        for (int column = 1; column <= 2; ++column)
            grid_->setItem(row, column, new QTableWidgetItem);
    }
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
    connect(grid_, &QTableWidget::currentCellChanged, this, &CEncodePage::onCurrentCellChanged);

    editor_ = new QLineEdit(grid_->viewport());
    editor_->setFrame(false);
    editor_->hide();
    // The box stays over its cell when the grid scrolls.
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (editorOpen())
            placeEditor();
    });
    connect(editor_, &QLineEdit::returnPressed, this, [this] {
        if (const auto target = commitEditor(CommitBy::Enter))
            moveTo(*target);
        openEditorOnCurrent();
    });

    delays_[0] = timeBox(TwoToneTables::encodeDelaySpin());
    delays_[1] = timeBox(TwoToneTables::encodeDelaySpin());
    delays_[2] = timeBox(TwoToneTables::encodeLongSpin());
    const auto msBox = [this](const MillisecondSpin& spin, int& accepted) {
        auto* box = new TextSpinBox(
            [&spin, &accepted](const QString& text, bool up) {
                bool ok = false;
                const int value = text.toInt(&ok);
                return QString::number(spin.step(ok && spin.accepts(value) ? value : accepted, up));
            },
            4);
        connect(box, &TextSpinBox::textStepped, this, [this, box, &spin, &accepted] { checkMilliseconds(box, spin, accepted); });
        connect(box, &QAbstractSpinBox::editingFinished, this,
                [this, box, &spin, &accepted] { checkMilliseconds(box, spin, accepted); });
        return box;
    };
    interval_ = msBox(TwoToneTables::intervalSpin(), intervalAccepted_);
    txRise_ = msBox(TwoToneTables::txRiseSpin(), txRiseAccepted_);
    shortKill_ = new QCheckBox(qs(texts.shortKill));

    auto* times = new QGridLayout;
    const std::pair<const std::string*, TextSpinBox*> rows[] = {{&texts.firstDelay, delays_[0]},
                                                                {&texts.secondDelay, delays_[1]},
                                                                {&texts.longDelay, delays_[2]},
                                                                {&texts.toneInterval, interval_},
                                                                {&texts.txRise, txRise_}};
    int row = 0;
    for (const auto& [label, box] : rows) {
        times->addWidget(new QLabel(qs(*label)), row, 0);
        times->addWidget(box, row++, 1);
    }
    times->addWidget(shortKill_, row++, 0, 1, 2);
    times->setRowStretch(row, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grid_, 3);
    layout->addLayout(times, 2);
}

void CEncodePage::load()
{
    editor_->hide();
    values_ = TwoToneTables::readEncode(image_, values_);
    for (int row = 0; row < twotone::kEncodeEntries; ++row)
        showRow(row);
    delays_[0]->setText(qs(values_.firstDelay));
    delays_[1]->setText(qs(values_.secondDelay));
    delays_[2]->setText(qs(values_.longDelay));
    intervalAccepted_ = values_.interval;
    txRiseAccepted_ = values_.txRise;
    interval_->setText(QString::number(values_.interval));
    txRise_->setText(QString::number(values_.txRise));
    shortKill_->setChecked(values_.shortKill);
}

void CEncodePage::store()
{
    // A box still open holds the user's typing: commit it rather than lose it.
    if (editorOpen())
        commitEditor(CommitBy::Leaving);
    values_.firstDelay = delays_[0]->text().toStdString();
    values_.secondDelay = delays_[1]->text().toStdString();
    values_.longDelay = delays_[2]->text().toStdString();
    values_.interval = acceptedMilliseconds(interval_, TwoToneTables::intervalSpin(), intervalAccepted_);
    values_.txRise = acceptedMilliseconds(txRise_, TwoToneTables::txRiseSpin(), txRiseAccepted_);
    values_.shortKill = shortKill_->isChecked();
    TwoToneTables::writeEncode(values_, image_);
}

int CEncodePage::acceptedMilliseconds(TextSpinBox* box, const MillisecondSpin& spin, int accepted) const
{
    bool ok = false;
    const int value = box->text().toInt(&ok);
    return ok && spin.accepts(value) ? value : accepted;
}

void CEncodePage::checkMilliseconds(TextSpinBox* box, const MillisecondSpin& spin, int& accepted)
{
    bool ok = false;
    const int value = box->text().toInt(&ok);
    if (ok && spin.accepts(value)) {
        accepted = value;
        return;
    }
    box->setText(QString::number(accepted));
    showMessage(qs(spin.rangeMessage(texts_.rangeMessage)));
}

GridCell CEncodePage::currentCell() const
{
    return {grid_->currentRow(), grid_->currentColumn() - 1};
}

void CEncodePage::showRow(int row)
{
    for (int tone = 0; tone < 2; ++tone)
        grid_->item(row, tone + 1)->setText(qs(values_.tones[static_cast<std::size_t>(row)][static_cast<std::size_t>(tone)]));
}

void CEncodePage::openEditor(GridCell cell, const QString& text, bool typed)
{
    editing_ = cell;
    placeEditor();
    editor_->setText(text);
    editor_->show();
    editor_->setFocus();
    // A typed digit starts the entry; a cell's own text is selected, so what
    // is typed next replaces it.
    if (typed)
        editor_->end(false);
    else
        editor_->selectAll();
}

bool CEncodePage::editorOpen() const
{
    return !editor_->isHidden();
}

void CEncodePage::placeEditor()
{
    editor_->setGeometry(grid_->visualRect(grid_->model()->index(editing_.row, editing_.tone + 1)));
}

void CEncodePage::openEditorOnCurrent()
{
    const GridCell cell = currentCell();
    if (cell.row >= 0 && isToneColumn(cell.tone + 1))
        openEditor(cell, grid_->item(cell.row, cell.tone + 1)->text(), false);
}

std::optional<GridCell> CEncodePage::commitEditor(CommitBy by)
{
    const auto target = TwoToneTables::commitCell(values_, editing_, editor_->text().toStdString(), by);
    editor_->hide();
    showRow(editing_.row);
    return target;
}

void CEncodePage::moveTo(GridCell cell)
{
    moving_ = true;
    grid_->setCurrentCell(cell.row, cell.tone + 1);
    moving_ = false;
}

void CEncodePage::onCurrentCellChanged(int, int, int, int)
{
    if (moving_ || !editorOpen())
        return;
    if (const auto target = commitEditor(CommitBy::Leaving))
        moveTo(*target);
    openEditorOnCurrent();
}

bool CEncodePage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton && !editorOpen())
            openEditorOnCurrent();
        return false;
    }
    if (watched != grid_ || event->type() != QEvent::KeyPress || editorOpen())
        return ImagePage::eventFilter(watched, event);

    const auto* key = static_cast<QKeyEvent*>(event);
    const GridCell cell = currentCell();
    if (cell.row < 0)
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (isToneColumn(cell.tone + 1))
            moveTo(TwoToneTables::enterOnGrid(cell));
        else
            grid_->setCurrentCell(cell.row, 1);
        return true;
    }
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint() || !isToneColumn(cell.tone + 1))
        return false;
    const auto start = TwoToneTables::editorStartText(text.at(0).toLatin1());
    if (!start)
        showMessage(qs(texts_.pleaseInputNumber));
    openEditor(cell, start ? qs(*start) : QString(), true);
    return true;
}

} // namespace tolvan
