#include "widgets/card/CardWindow.h"

#include "widgets/card/HighlightFrame.h"
#include "widgets/platform/StatusHints.h"
#include "engine/archive/ProvinceCodes.h"
#include "engine/archive/RecordLayout.h"
#include "engine/text/TextRules.h"
#include "engine/platform/Platform.h"

#include <algorithm>
#include <QComboBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QToolButton>

#include <utility>

namespace {

constexpr int kContainerWidth = 995;
constexpr int kContainerHeight = 692;
constexpr int kToolbarHeight = 64;
constexpr int kStatusHeight = 32;
constexpr int kRowHeight = 50;
constexpr int kCaptionHeight = 18;
constexpr int kFieldHeight = 26;
constexpr int kButtonSize = 42;
constexpr int kWideButtonWidth = 136;
constexpr int kPositionWidth = 64;

QFont fieldFont(FieldFont size = FieldFont::Normal)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(size == FieldFont::Large ? 18 : 12);
    font.setBold(true);
    return font;
}

QFont captionFont(LabelStyle style)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(9);
    font.setBold(style != LabelStyle::Normal);
    return font;
}

QString captionColour(LabelStyle style)
{
    switch (style) {
    case LabelStyle::Mandatory: return QStringLiteral("#8b4513");
    case LabelStyle::Signing: return QStringLiteral("#000080");
    case LabelStyle::Normal: break;
    }
    return QStringLiteral("#000000");
}

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

CardWindow::CardWindow(CardWindowTable table, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_table(std::move(table))
    , m_operations(*this, *m_table.layout, m_table.messages)
    , m_hints(new StatusHints(this))
{
    setObjectName(utf8(m_table.objectName));
    setWindowTitle(m_table.caption);
    setMinimumSize(kContainerWidth, kContainerHeight);
    buildFrame();
    buildToolbar();
    buildFields();
    buildSideButtons();
    buildDecorations();
    connectToolbar();
    m_status->setText(m_table.readyText);
    m_operations.setArchivePath(archivePath());
}

void CardWindow::buildFrame()
{
    m_hints->markBackground(this);

    m_container = new QWidget(this);
    m_container->setObjectName(QStringLiteral("panContainer"));
    m_container->setFixedSize(kContainerWidth, kContainerHeight);
    m_hints->markBackground(m_container);

    auto *toolbar = new QFrame(m_container);
    toolbar->setObjectName(QStringLiteral("shpControlli"));
    toolbar->setGeometry(0, 0, kContainerWidth, kToolbarHeight);
    toolbar->setStyleSheet(QStringLiteral("#shpControlli { background: rgba(20, 50, 110, 150); border-radius: 8px; }"));
    m_hints->markBackground(toolbar);

    m_panel = new QFrame(m_container);
    m_panel->setObjectName(utf8(m_table.panelName));
    m_panel->setGeometry(0, kToolbarHeight + 6, kContainerWidth,
                         kContainerHeight - kToolbarHeight - kStatusHeight - 12);
    m_hints->markBackground(m_panel);

    for (const CardSectionDef &section : m_table.sections) {
        auto *shape = new QFrame(m_panel);
        shape->setObjectName(utf8(section.shapeName));
        shape->setGeometry(section.left, section.top, section.width, section.height);
        shape->setStyleSheet(section.shaded
                                 ? QStringLiteral("#%1 { background: rgb(222, 226, 234); "
                                                  "border: 1px solid rgb(170, 178, 195); border-radius: 4px; }")
                                       .arg(shape->objectName())
                                 : QStringLiteral("#%1 { background: rgba(255, 255, 255, 215); "
                                                  "border: 1px solid rgb(120, 150, 200); border-radius: 10px; }")
                                       .arg(shape->objectName()));
        m_hints->markBackground(shape);
        if (section.pictureName) {
            auto *picture = new QLabel(shape);
            picture->setObjectName(utf8(section.pictureName));
            picture->setPixmap(Pictures::pixmap(section.picture, 44));
            picture->setGeometry(8, 8, 48, 48);
            m_hints->markBackground(picture);
        }
        m_sections.push_back(shape);
    }

    auto *statusStrip = new QFrame(m_container);
    statusStrip->setObjectName(QStringLiteral("shpInfo"));
    statusStrip->setGeometry(0, kContainerHeight - kStatusHeight, kContainerWidth, kStatusHeight);
    statusStrip->setStyleSheet(QStringLiteral("#shpInfo { background: rgb(106, 90, 205); border-radius: 6px; }"));
    m_hints->markBackground(statusStrip);

    m_status = new QLabel(statusStrip);
    m_hints->setStatusLine(m_status);
    m_status->setObjectName(QStringLiteral("panInfo"));
    m_status->setGeometry(12, 0, kContainerWidth - 24, kStatusHeight);
    QFont statusFont(QStringLiteral("Tahoma"));
    statusFont.setPointSize(12);
    m_status->setFont(statusFont);
    m_status->setStyleSheet(QStringLiteral("color: white;"));
}

void CardWindow::buildToolbar()
{
    struct ButtonDef
    {
        const char *name;
        Picture picture;
        const char *caption;  // wide picture buttons read a word
    };
    const std::vector<std::vector<ButtonDef>> groups = {
        {{"cmdNuovo", Picture::New, nullptr}, {"cmdDuplica", Picture::Duplicate, nullptr},
         {"cmdSalva", Picture::Save, nullptr}, {"cmdTrova", Picture::Find, nullptr}},
        {{"cmdAnteprima", Picture::Preview, "Anteprima"}},
        {{"cmdStampa", Picture::Print, "Stampa"}},
        {{"cmdPrimo", Picture::First, nullptr}, {"cmdIndietro", Picture::Previous, nullptr},
         {"lblPosizione", Picture::New, nullptr},
         {"cmdAvanti", Picture::Next, nullptr}, {"cmdUltimo", Picture::Last, nullptr}},
        {{"cmdEsporta", Picture::Export, nullptr}, {"cmdNumerazione", m_table.extraToolPicture, nullptr}},
        {{"cmdGuida", Picture::Guide, nullptr}, {"cmdEsci", Picture::Exit, nullptr}},
    };

    auto *toolbar = m_container->findChild<QFrame *>(QStringLiteral("shpControlli"));
    auto widthOf = [](const ButtonDef &def) {
        if (def.caption)
            return kWideButtonWidth;
        return QLatin1String(def.name) == QLatin1String("lblPosizione") ? kPositionWidth : kButtonSize;
    };
    int total = 0;
    std::vector<int> groupWidths;
    for (const auto &group : groups) {
        int width = 8;
        for (const ButtonDef &def : group)
            width += widthOf(def) + 2;
        width += 6;
        groupWidths.push_back(width);
        total += width;
    }
    const int gap = (kContainerWidth - total) / static_cast<int>(groups.size() + 1);

    QHash<QString, QString> hints;
    for (const CardHintDef &hint : m_table.toolbarHints)
        hints.insert(utf8(hint.control), utf8(hint.hint));

    int left = gap;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        auto *shape = new QFrame(toolbar);
        shape->setObjectName(QStringLiteral("shpPulsanti%1").arg(g + 1, 2, 10, QLatin1Char('0')));
        shape->setGeometry(left, 5, groupWidths[g], kToolbarHeight - 10);
        shape->setStyleSheet(QStringLiteral("#%1 { background: white; border-radius: 7px; }").arg(shape->objectName()));
        m_hints->markBackground(shape);
        int x = 8;
        for (const ButtonDef &def : groups[g]) {
            const QString name = utf8(def.name);
            if (name == QLatin1String("lblPosizione")) {
                m_position = new QLabel(shape);
                m_position->setObjectName(name);
                m_position->setAlignment(Qt::AlignCenter);
                QFont bold(QStringLiteral("Verdana"));
                bold.setPointSize(12);
                bold.setBold(true);
                m_position->setFont(bold);
                m_position->setGeometry(x, 4, kPositionWidth, kButtonSize - 4);
                x += kPositionWidth + 2;
                continue;
            }
            auto *button = new QToolButton(shape);
            button->setObjectName(name);
            button->setFocusPolicy(Qt::NoFocus);
            button->setCursor(Qt::PointingHandCursor);
            button->setAutoRaise(true);
            if (def.caption) {
                button->setText(utf8(def.caption));
                QFont font(QStringLiteral("Verdana"));
                font.setPointSize(11);
                font.setBold(true);
                button->setFont(font);
                button->setIcon(Pictures::icon(def.picture));
                button->setIconSize(QSize(28, 28));
                button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            } else {
                button->setIcon(Pictures::icon(def.picture));
                button->setIconSize(QSize(32, 32));
            }
            button->setGeometry(x, 2, widthOf(def), kButtonSize);
            x += widthOf(def) + 2;
            setHint(button, hints.value(name));
        }
        left += groupWidths[g] + gap;
    }
}

void CardWindow::buildFields()
{
    const RecordLayout &layout = *m_table.layout;
    QWidget *previous = nullptr;
    for (const CardFieldDef &def : m_table.fields) {
        const QString name = utf8(def.name);
        const int index = layout.indexOf(name);
        Q_ASSERT_X(index >= 0, "CardWindow", "a card field is not in the record layout");
        QWidget *section = m_sections.at(def.section);
        // `top` is where the caption above the field starts.
        const int top = def.top >= 0 ? def.top - kCaptionHeight
                                     : m_table.sections.at(def.section).firstRowTop + def.row * kRowHeight;
        const int height = def.height > 0 ? def.height : kFieldHeight;

        if (def.label) {
            auto *caption = new QLabel(utf8(def.label), section);
            caption->setObjectName(QStringLiteral("lblTesto") + name);
            caption->setFont(captionFont(def.labelStyle));
            caption->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(captionColour(def.labelStyle)));
            caption->setGeometry(def.x, top, std::max(def.width, 60) + 40, kCaptionHeight);
        }

        QWidget *control = nullptr;
        if (def.kind == FieldKind::Label || def.kind == FieldKind::HiddenLabel) {
            auto *label = new QLabel(section);
            label->setVisible(def.kind == FieldKind::Label);
            label->setAlignment((def.rightAligned ? Qt::AlignRight : def.centred ? Qt::AlignHCenter : Qt::AlignLeft)
                                | Qt::AlignVCenter);
            label->setStyleSheet(QStringLiteral("background: transparent;"));
            control = label;
        } else if (def.kind == FieldKind::Province) {
            auto *combo = new QComboBox(section);
            combo->setEditable(true);
            combo->addItems(provinceCodes());
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
            combo->setMaxVisibleItems(16);
            combo->lineEdit()->setMaxLength(layout.capacity(index));
            // The inner edit would otherwise keep the default font.
            combo->lineEdit()->setFont(fieldFont());
            combo->setEditText(QString());
            FieldInput::applyTypingRule(combo->lineEdit(), def.rule);
            control = combo;
        } else {
            auto *edit = new QLineEdit(section);
            edit->setMaxLength(layout.capacity(index));
            FieldInput::applyTypingRule(edit, def.rule);
            if (def.kind == FieldKind::PickedDate)
                edit->setReadOnly(true);
            if (def.centred)
                edit->setAlignment(Qt::AlignCenter);
            else if (def.rightAligned)
                edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            control = edit;
        }
        control->setObjectName(QStringLiteral("txt") + name);
        control->setFont(fieldFont(def.font));
        control->setGeometry(def.x, top + kCaptionHeight, def.width, height);
        m_controls.insert(name, control);
        if (def.kind == FieldKind::Label || def.kind == FieldKind::HiddenLabel)
            continue;
        control->installEventFilter(this);
        if (def.kind == FieldKind::Digits)
            new DigitOnlyKeyFilter(control, [this, control] { focusNextField(control); });
        if (m_table.highlights)
            new HighlightFrame(control, QStringLiteral("eff") + name);

        if (def.suffix) {
            auto *suffix = new QLabel(utf8(def.suffix), section);
            suffix->setObjectName(QStringLiteral("lblTesto") + name + QStringLiteral("Unita"));
            suffix->setFont(captionFont(def.labelStyle));
            suffix->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(captionColour(def.labelStyle)));
            suffix->setGeometry(def.x + def.width + 8, top + kCaptionHeight, 80, kFieldHeight);
        }

        m_chain.push_back(control);
    }

    if (!m_table.enterChain.empty()) {
        std::vector<QWidget *> chain;
        for (const char *name : m_table.enterChain) {
            QWidget *control = m_controls.value(utf8(name));
            Q_ASSERT_X(control && std::find(m_chain.cbegin(), m_chain.cend(), control) != m_chain.cend(),
                       "CardWindow", "the Enter chain names a field the card cannot type into");
            chain.push_back(control);
        }
        Q_ASSERT_X(chain.size() == m_chain.size(), "CardWindow", "the Enter chain leaves out a field");
        m_chain = std::move(chain);
    }
    for (QWidget *control : m_chain) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }

    for (const CardCaptionDef &def : m_table.captions) {
        auto *caption = new QLabel(utf8(def.text), m_sections.at(def.section));
        caption->setObjectName(utf8(def.name));
        QFont font(QStringLiteral("Tahoma"));
        font.setPointSize(def.pointSize);
        font.setBold(def.bold);
        caption->setFont(font);
        caption->setAlignment(def.alignment);
        caption->setStyleSheet(QStringLiteral("color: #000080; background: transparent;"));
        caption->setGeometry(def.x, def.y, def.width, def.height);
        m_hints->markBackground(caption);
    }
    for (const CardHiddenLabelDef &def : m_table.hiddenLabels) {
        auto *hidden = new QLabel(utf8(def.designText), m_panel);
        hidden->setObjectName(utf8(def.name));
        hidden->hide();
    }

    // Record fields without an edit field live in hidden labels.
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString name = layout.name(i);
        if (m_controls.contains(name))
            continue;
        auto *hidden = new QLabel(m_panel);
        hidden->setObjectName(QStringLiteral("lbl") + name);
        hidden->hide();
        m_controls.insert(name, hidden);
        m_hiddenFields.append(name);
    }
}

void CardWindow::buildSideButtons()
{
    for (const CardSideButtonDef &def : m_table.sideButtons) {
        QWidget *field = m_controls.value(utf8(def.besideField));
        Q_ASSERT_X(field, "CardWindow", "a side button stands beside an unknown field");
        auto *button = new QToolButton(field->parentWidget());
        const QString name = utf8(def.name);
        button->setObjectName(name);
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoRaise(true);
        button->setIcon(Pictures::icon(def.picture));
        button->setIconSize(QSize(22, 22));
        const QRect at = field->geometry();
        button->setGeometry(at.right() + 6, at.top() - 1, 28, 28);
        setHint(button, utf8(def.hint));
        if (def.needsStoredCard)
            m_storedCardButtons.push_back(button);
        const QString fieldName = utf8(def.besideField);
        const SideAction action = def.action;
        if (action) {
            connect(button, &QToolButton::clicked, this,
                    [this, fieldName, action] { action(this, TextRules::trimmed(fieldText(fieldName))); });
        } else {
            connectProvidedAction(button);
        }
    }
}

void CardWindow::buildDecorations()
{
    for (const CardDecorationDef &def : m_table.decorations) {
        QWidget *field = m_controls.value(utf8(def.besideField));
        Q_ASSERT_X(field, "CardWindow", "a decoration stands beside an unknown field");
        auto *picture = new QLabel(field->parentWidget());
        picture->setObjectName(utf8(def.name));
        picture->setPixmap(Pictures::pixmap(def.picture, 24));
        picture->setGeometry(field->x() - 30, field->y() + 1, 26, 26);
    }
}

void CardWindow::connectToolbar()
{
    const auto on = [this](const char *name, auto action) {
        connect(toolbarButton(utf8(name)), &QToolButton::clicked, this, action);
    };
    on("cmdNuovo", [this] { newCard(); });
    on("cmdDuplica", [this] { m_operations.duplicate(); });
    on("cmdSalva", [this] { m_operations.save(); });
    on("cmdPrimo", [this] { m_operations.first(); });
    on("cmdIndietro", [this] { m_operations.previous(); });
    on("cmdAvanti", [this] { m_operations.next(); });
    on("cmdUltimo", [this] { m_operations.last(); });
    on("cmdEsci", [this] { close(); });
    for (const char *name : {"cmdTrova", "cmdAnteprima", "cmdStampa", "cmdEsporta", "cmdNumerazione", "cmdGuida"})
        connectProvidedAction(toolbarButton(utf8(name)));
}

void CardWindow::connectProvidedAction(QToolButton *button)
{
    button->setEnabled(false);
    const QString name = button->objectName();
    connect(button, &QToolButton::clicked, this, [this, name] {
        if (const auto action = m_actions.value(name))
            action();
    });
}

void CardWindow::provideAction(const QString &buttonName, std::function<void()> action)
{
    auto *button = findChild<QToolButton *>(buttonName);
    Q_ASSERT_X(button, "CardWindow", "an action for an unknown button");
    m_actions.insert(buttonName, std::move(action));
    button->setEnabled(true);
    updateStoredCardButtons();
}

void CardWindow::addStoredCardButton(QToolButton *button, std::function<void()> action)
{
    connectProvidedAction(button);
    m_storedCardButtons.push_back(button);
    provideAction(button->objectName(), std::move(action));
}

qint64 CardWindow::storedPosition() const
{
    return std::max<qint64>(0, CardOperations::positionNumber(position()));
}

void CardWindow::setHint(QWidget *control, const QString &hint)
{
    m_hints->setHint(control, hint);
}

void CardWindow::setRestingStatus(const QString &text)
{
    m_hints->setRestingText(text);
}

QToolButton *CardWindow::toolbarButton(const QString &name) const
{
    return m_container->findChild<QToolButton *>(name);
}

QWidget *CardWindow::fieldControl(const QString &fieldName) const
{
    return m_controls.value(fieldName);
}

QString CardWindow::fieldText(const QString &fieldName) const
{
    QWidget *control = m_controls.value(fieldName);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentText();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    return QString();
}

void CardWindow::setFieldText(const QString &fieldName, const QString &text)
{
    QWidget *control = m_controls.value(fieldName);
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setEditText(text);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(text);
    }
}

QString CardWindow::statusText() const
{
    return m_status->text();
}

QString CardWindow::archivePath() const
{
    return platform().programFolder() + m_table.layout->archiveName();
}

Record CardWindow::cardRecord() const
{
    const RecordLayout &layout = *m_table.layout;
    Record record(layout);
    for (int i = 0; i < layout.fieldCount(); ++i)
        record.setValue(i, fieldText(layout.name(i)));
    return record;
}

void CardWindow::showCardRecord(const Record &record)
{
    const RecordLayout &layout = record.layout();
    for (int i = 0; i < layout.fieldCount(); ++i)
        setFieldText(layout.name(i), TextRules::trimmed(record.value(i)));
}

QString CardWindow::position() const
{
    return m_position->text();
}

void CardWindow::setPosition(const QString &position)
{
    m_position->setText(position);
    updateStoredCardButtons();
}

void CardWindow::updateStoredCardButtons()
{
    const bool stored = storedPosition() > 0;
    for (QToolButton *button : m_storedCardButtons)
        button->setEnabled(stored && m_actions.contains(button->objectName()));
}

void CardWindow::clearAllFields()
{
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it)
        setFieldText(it.key(), QString());
    setPosition(QString());
}

void CardWindow::clearCard()
{
    clearAllFields();
}

void CardWindow::clearAttachments()
{
    for (const QString &name : std::as_const(m_hiddenFields)) {
        if (name.startsWith(QLatin1String("File")) || name.startsWith(QLatin1String("Desc")))
            setFieldText(name, QString());
    }
}

void CardWindow::focusFirstField()
{
    if (!m_chain.empty())
        m_chain.front()->setFocus(Qt::OtherFocusReason);
}

void CardWindow::focusField(const QString &fieldName)
{
    if (QWidget *control = m_controls.value(fieldName))
        control->setFocus(Qt::OtherFocusReason);
}

bool CardWindow::checkBeforeSave()
{
    if (!m_table.requiredField)
        return true;
    const QString name = utf8(m_table.requiredField);
    if (!TextRules::trimmed(fieldText(name)).isEmpty())
        return true;
    platform().showMessage(MessageKind::Warning, m_table.requiredMessage);
    focusField(name);
    return false;
}

void CardWindow::focusNextField(QWidget *from)
{
    const auto it = std::find(m_chain.cbegin(), m_chain.cend(), from);
    if (it == m_chain.cend())
        return;
    const auto next = std::next(it) == m_chain.cend() ? m_chain.cbegin() : std::next(it);
    (*next)->setFocus(Qt::TabFocusReason);
}

bool CardWindow::handleFieldKey(QWidget *, QKeyEvent *)
{
    return false;
}

void CardWindow::newCard()
{
    m_operations.newCard();
}

QLabel *CardWindow::hiddenLabel(const QString &name) const
{
    return m_panel->findChild<QLabel *>(name, Qt::FindDirectChildrenOnly);
}

void CardWindow::prepareOnShow()
{
    m_operations.newCard();
}

void CardWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    centreContainer();
    m_status->setText(m_table.readyText);
    m_operations.setArchivePath(archivePath());
    prepareOnShow();
}

void CardWindow::closeEvent(QCloseEvent *event)
{
    beforeClose();
    // The home window comes up before this one goes, so that one of them
    // is always on screen.
    if (m_home)
        m_home->show();
    event->accept();
}

void CardWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    centreContainer();
}

void CardWindow::centreContainer()
{
    m_container->move(std::max(0, (width() - kContainerWidth) / 2), std::max(0, (height() - kContainerHeight) / 2));
}

void CardWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, QColor(38, 92, 170));
    gradient.setColorAt(1.0, Qt::white);
    painter.fillRect(rect(), gradient);
}

bool CardWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *field = qobject_cast<QWidget *>(watched);
        if (std::find(m_chain.cbegin(), m_chain.cend(), field) == m_chain.cend())
            break;
        auto *key = static_cast<QKeyEvent *>(event);
        if (handleFieldKey(field, key))
            return true;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextField(field);
            return true;
        }
        break;
    }
    case QEvent::KeyRelease:
        if (auto *field = qobject_cast<QWidget *>(watched);
            std::find(m_chain.cbegin(), m_chain.cend(), field) != m_chain.cend())
            fieldKeyReleased(field);
        break;
    case QEvent::FocusOut:
        if (auto *field = qobject_cast<QWidget *>(watched);
            std::find(m_chain.cbegin(), m_chain.cend(), field) != m_chain.cend())
            fieldFocusLost(field);
        break;
    case QEvent::FocusIn:
        // A province combo opens its list with no entry marked; the text
        // typed so far stays.
        if (auto *combo = qobject_cast<QComboBox *>(watched)) {
            const QString typed = combo->currentText();
            combo->setCurrentIndex(-1);
            combo->setEditText(typed);
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
