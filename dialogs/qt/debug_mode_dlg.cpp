#include "dialogs/qt/debug_mode_dlg.h"

#include "dialogs/qt/dialog_link_host.h"
#include "dialogs/qt/qt_text.h"
#include "link/test_mode_session.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace tolvan {
namespace {

constexpr int kNodeNumberRole = Qt::UserRole;

// A pair of exclusive radio buttons.
std::array<QRadioButton*, 2> radioPair(const std::string& first, const std::string& second, QObject* owner)
{
    std::array<QRadioButton*, 2> pair{new QRadioButton(qs(first)), new QRadioButton(qs(second))};
    auto* group = new QButtonGroup(owner);
    group->addButton(pair[0], 0);
    group->addButton(pair[1], 1);
    return pair;
}

} // namespace

CDebugModeDlg::CDebugModeDlg(const Edition& edition, Language language, std::string portName,
                             const std::string& bandText, PortOpener& opener, LinkHost* host, QWidget* parent,
                             const QString& messageCaption)
    : QDialog(parent), edition_(edition), language_(edition.testModeLanguage.value_or(edition.uiLanguage(language))),
      texts_(testModeTexts(language_)),
      portName_(std::move(portName)), opener_(opener), host_(host), messageCaption_(messageCaption),
      state_(TestModeState::baseFrequency(edition, bandText))
{
    if (!host_) {
        ownHost_ = std::make_unique<DialogLinkHost>(this, messageCaption_);
        host_ = ownHost_.get();
    }
    setWindowTitle(qs(texts_.caption));

    tree_ = new QTreeWidget;
    tree_->setHeaderHidden(true);
    buildTree();
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { onNodeSelected(item); });

    // Frequency page: one frame per direction.
    frequencyPage_ = new QWidget;
    auto* frequencyLayout = new QHBoxLayout(frequencyPage_);
    frequencyLayout->setContentsMargins(0, 0, 0, 0);
    frequencyLayout->addWidget(sideGroup(TestSide::Receive, texts_.receive));
    frequencyLayout->addWidget(sideGroup(TestSide::Transmit, texts_.transmit));

    // Item page: the (unread) test-frequency radios and the value slider.
    itemPage_ = new QWidget;
    auto* choose = new QGroupBox(qs(texts_.chooseDebugFrequency));
    auto* chooseLayout = new QVBoxLayout(choose);
    auto* radios = new QButtonGroup(this);
    for (const std::string& text : texts_.debugFrequencyRadios) {
        auto* radio = new QRadioButton(qs(text));
        radios->addButton(radio);
        chooseLayout->addWidget(radio);
    }
    radios->buttons().first()->setChecked(true);
    auto* parameter = new QGroupBox(qs(texts_.parameterValue));
    auto* parameterLayout = new QGridLayout(parameter);
    slider_ = new QSlider(Qt::Horizontal);
    slider_->setRange(0, 255);
    position_ = new QLabel(qs(texts_.currentValue));
    start_ = new QPushButton(qs(texts_.start));
    parameterLayout->addWidget(new QLabel(qs(texts_.minimum)), 0, 0);
    parameterLayout->addWidget(slider_, 0, 1);
    parameterLayout->addWidget(new QLabel(qs(texts_.maximum)), 0, 2);
    parameterLayout->addWidget(position_, 1, 0, 1, 3);
    parameterLayout->addWidget(start_, 2, 2);
    auto* itemLayout = new QHBoxLayout(itemPage_);
    itemLayout->setContentsMargins(0, 0, 0, 0);
    itemLayout->addWidget(choose);
    itemLayout->addWidget(parameter, 1);
    connect(slider_, &QSlider::valueChanged, this, [this](int value) {
        state_.setValue(value);
        showPosition();
    });
    connect(start_, &QPushButton::clicked, this, &CDebugModeDlg::onStart);

    frequencyGroup_ = new QGroupBox(qs(texts_.groupStatic));
    auto* pages = new QVBoxLayout(frequencyGroup_);
    pages->addWidget(frequencyPage_);
    pages->addWidget(itemPage_);
    pages->addStretch(1);

    default_ = new QPushButton(qs(texts_.defaultButton));
    connect(default_, &QPushButton::clicked, this, &CDebugModeDlg::onDefault);
    // Never shown: a disabled default button, so that Enter has nothing to press.
    auto* button1 = new QPushButton(QStringLiteral("Button1"), this);
    button1->setDefault(true);
    button1->setEnabled(false);
    button1->hide();

    auto* right = new QVBoxLayout;
    right->addWidget(frequencyGroup_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(default_);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(tree_);
    layout->addLayout(right, 1);

    frequencyGroup_->setTitle(qs(texts_.chooseFirst));
    for (TestSide side : {TestSide::Receive, TestSide::Transmit}) {
        side_[index(side)].method[0]->setChecked(true);
        side_[index(side)].step[0]->setChecked(true);
        fillTones(side);
    }
    showState();
    resize(740, 300);
}

CDebugModeDlg::~CDebugModeDlg() = default;

QGroupBox* CDebugModeDlg::sideGroup(TestSide side, const std::string& caption)
{
    SideControls& c = side_[index(side)];
    c.frequency = new QLineEdit;
    c.tone = new QComboBox;
    c.tone->setMaxVisibleItems(16);
    c.method = radioPair(texts_.qt, texts_.dqt, this);
    c.step = radioPair(texts_.step500, texts_.step625, this);

    auto* group = new QGroupBox(qs(caption));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(qs(texts_.frequency)), 0, 0);
    grid->addWidget(c.frequency, 0, 1, 1, 2);
    grid->addWidget(new QLabel(qs(texts_.tone)), 1, 0);
    grid->addWidget(c.tone, 1, 1, 1, 2);
    grid->addWidget(new QLabel(qs(texts_.toneMethod)), 2, 0);
    grid->addWidget(c.method[0], 2, 1);
    grid->addWidget(c.method[1], 2, 2);
    grid->addWidget(new QLabel(qs(texts_.stepValue)), 3, 0);
    grid->addWidget(c.step[0], 3, 1);
    grid->addWidget(c.step[1], 3, 2);

    connect(c.frequency, &QLineEdit::textEdited, this,
            [this, side](const QString& text) { state_.setBoxText(side, text.toStdString()); });
    // Normalised on Enter and whenever the box is left, so the box never holds
    // a value the exchange could not send.
    connect(c.frequency, &QLineEdit::editingFinished, this, [this, side] {
        state_.normaliseBox(side);
        side_[index(side)].frequency->setText(qs(state_.boxText(side)));
    });
    for (int m = 0; m < 2; ++m) {
        // The kind already chosen keeps its tone; the other restarts its list.
        connect(c.method[static_cast<std::size_t>(m)], &QRadioButton::clicked, this, [this, side, m] {
            state_.setMethod(side, m);
            fillTones(side);
        });
        connect(c.step[static_cast<std::size_t>(m)], &QRadioButton::clicked, this,
                [this, side, m] { state_.setStep(side, m); });
    }
    connect(c.tone, &QComboBox::activated, this, [this, side](int i) { state_.setTone(side, i); });
    return group;
}

void CDebugModeDlg::buildTree()
{
    const std::map<int, std::string> names = {
        {TestModeState::kDebugFrequency, texts_.debugFrequency},
        {TestModeState::kHighFrequency, texts_.highFrequency},
        {TestModeState::kMiddleFrequency, texts_.middleFrequency},
        {TestModeState::kLowFrequency, texts_.lowFrequency},
        {TestModeState::kDebugItem, texts_.debugItem},
        {TestModeState::kTxFrequency, texts_.items[0]},
        {TestModeState::kLowPowerVoltage, texts_.items[1]},
        {TestModeState::kSquelchLevel, texts_.items[2]},
        {TestModeState::kTxPower, texts_.items[3]},
        {TestModeState::kExitDebug, texts_.exitDebug},
    };
    std::map<int, QTreeWidgetItem*> items;
    for (const TestModeNode& n : TestModeState::tree()) {
        auto* item = n.parent == 0 ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(items.at(n.parent));
        item->setText(0, qs(names.at(n.number)));
        item->setData(0, kNodeNumberRole, n.number);
        items[n.number] = item;
    }
    int widest = 0;
    for (const TestModeNode& n : TestModeState::tree()) {
        items.at(n.number)->setExpanded(n.expanded);
        widest = std::max(widest, tree_->fontMetrics().horizontalAdvance(qs(names.at(n.number))));
    }
    // Wide enough for every node, whichever branches are open.
    tree_->setFixedWidth(widest + 3 * tree_->indentation() + 2 * tree_->frameWidth() + 8);
}

QTreeWidgetItem* CDebugModeDlg::node(int number) const
{
    for (QTreeWidgetItemIterator it(tree_); *it; ++it)
        if ((*it)->data(0, kNodeNumberRole).toInt() == number)
            return *it;
    return nullptr;
}

void CDebugModeDlg::onNodeSelected(QTreeWidgetItem* item)
{
    if (!item)
        return;
    if (state_.select(item->data(0, kNodeNumberRole).toInt())) {
        reject();
        return;
    }
    showState();
}

void CDebugModeDlg::showState()
{
    default_->setVisible(state_.defaultVisible());
    frequencyPage_->setVisible(state_.page() == TestPage::Frequency);
    itemPage_->setVisible(state_.page() == TestPage::Item);
    if (state_.frequencyChosen()) {
        frequencyGroup_->setTitle(qs(texts_.frequencyCaptions[static_cast<std::size_t>(state_.currentFrequency())]));
        showSide(TestSide::Receive);
        showSide(TestSide::Transmit);
    }
    {
        const QSignalBlocker block(slider_);
        slider_->setValue(state_.value(state_.currentItem()));
    }
    if (state_.page() == TestPage::Item)
        showPosition();
}

void CDebugModeDlg::showSide(TestSide side)
{
    const SideControls& c = side_[index(side)];
    const TestFrequencyRecord& r = state_.current();
    const bool rx = side == TestSide::Receive;
    c.frequency->setText(qs(state_.boxText(side)));
    c.step[static_cast<std::size_t>(rx ? r.rxStep : r.txStep)]->setChecked(true);
    c.method[static_cast<std::size_t>(rx ? r.rxMethod : r.txMethod)]->setChecked(true);
    fillTones(side);
}

void CDebugModeDlg::fillTones(TestSide side)
{
    QComboBox* box = side_[index(side)].tone;
    const TestFrequencyRecord& r = state_.current();
    const bool rx = side == TestSide::Receive;
    const QSignalBlocker block(box);
    box->clear();
    addItems(box, TestModeState::toneItems(rx ? r.rxMethod : r.txMethod));
    box->setCurrentIndex(rx ? r.rxTone : r.txTone);
}

void CDebugModeDlg::showPosition()
{
    position_->setText(qs(texts_.currentPosition) + QString::number(state_.value(state_.currentItem())));
}

void CDebugModeDlg::onDefault()
{
    if (!state_.applyDefault()) {
        QMessageBox::information(this, messageCaption_, qs(texts_.nothingVisible));
        return;
    }
    showState();
}

void CDebugModeDlg::onStart()
{
    const TestModeRequest request = state_.prepareStart();
    for (TestSide side : {TestSide::Receive, TestSide::Transmit})
        side_[index(side)].frequency->setText(qs(state_.boxText(side)));
    const TestModeMessages messages{edition_.texts(language_).link.portOpenFail, texts_.finished, texts_.failed};
    setEnabled(false);
    lastOutcome_ = TestModeSession(opener_, *host_, messages).run(portName_, request);
    setEnabled(true);
}

void CDebugModeDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tolvan
