// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "app/typedplate/typedplate.h"

#include "app/lists.h"
#include "app/photo/photopanel.h"
#include "app/services/accessibility.h"
#include "app/services/colours.h"
#include "catalogue/armedpolice.h"
#include "catalogue/description.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

namespace korvanta
{
namespace
{

const QString kHint = QStringLiteral("输入或粘贴车牌号，如 冀A·12345，也可输入地名或拼音");
// A suggestion shows this much of a long answer; the popup is never wider than this many of the
// field's widths.
constexpr qsizetype kShownAnswer = 24;
constexpr int kMostFieldWidths = 3;
// The three columns of a row (plate, answer, type), kept on the row's item for its painter.
constexpr int kColumnsRole = Qt::UserRole + 1;

QString shortened(const QString &text)
{
    const QString trimmed = text.trimmed();
    return trimmed.size() <= kShownAnswer ? trimmed : trimmed.first(kShownAnswer) + u'…';
}

// The columns a row shows: the plate, its answer, and what it is, with what its prefix means
// today where that changed ("今：湖北省襄阳市").
QStringList columnsOf(const search::Row &row)
{
    const Answer a = describe(row.reading);
    QStringList last{typeOrKind(a), a.todayInShort};
    last.removeAll(QString());
    return {a.plate, shortened(a.answer), last.join(toQString(kGap))};
}

} // namespace

// Paints a row's columns at the places the popup worked out for them, so that every answer
// starts at the same place whatever the plate's letters are.
class ColumnsDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    std::array<int, 3> starts{};

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        // The popup never takes the focus, yet its highlight is the row Return applies: drawn
        // as in an active window.
        plain.state |= QStyle::State_Active;
        const QStringList columns = index.data(kColumnsRole).toStringList();
        if (columns.size() != 3)
            return QStyledItemDelegate::paint(painter, option, index);
        plain.text.clear();
        const QWidget *view = option.widget;
        QStyle *style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, view);
        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &plain, view);
        // Windows' own styles mark the highlighted row with a light tint and keep its text as it
        // is; the others fill it with the highlight colour, on which the highlighted text reads.
        const bool filled = (option.state & QStyle::State_Selected) && !drawsAsTheSystem(style);
        const QPalette::ColorRole role = filled ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setFont(option.font);
        for (int i = 0; i < 3; ++i) {
            const int left = text.left() + starts[std::size_t(i)];
            const int right = i < 2 ? text.left() + starts[std::size_t(i) + 1] : text.right();
            const QRect cell(left, text.top(), qMax(0, right - left), text.height());
            const QString shown =
                option.fontMetrics.elidedText(columns[i], Qt::ElideRight, cell.width());
            style->drawItemText(painter, cell, int(Qt::AlignLeft | Qt::AlignVCenter),
                                option.palette, true, shown, role);
        }
        painter->restore();
    }
};

QString rowText(const search::Row &row)
{
    QStringList columns = columnsOf(row);
    columns.removeAll(QString());
    return columns.join(toQString(kGap));
}

SuggestionPopup::SuggestionPopup(QWidget *field)
    : QFrame(field, Qt::ToolTip | Qt::FramelessWindowHint)
    , m_field(field)
    , m_list(nullptr)
{
    // Screen readers hear the rows from the window's announcer, as the highlight moves: the
    // popup itself stays quiet, for its rows come and go with every key and a reader that
    // walked them would ask for rows that are gone. Quiet before it has any child.
    markNewAsDecoration(this);
    m_list = new QListWidget(this);
    // The photo above the rows, made with them (quiet as they are), shown for a photo.
    m_photo = new PhotoPanel(this);
    m_photo->hide();
    setObjectName(QStringLiteral("suggestions"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::Box);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_photo);
    layout->addWidget(m_list);
    m_list->setObjectName(QStringLiteral("suggestionList"));
    m_columns = new ColumnsDelegate(m_list);
    m_list->setItemDelegate(m_columns);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The popup's size is the rows' own, whatever a list would ask for.
    m_list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setAccessibleName(QStringLiteral("建议"));
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit highlighted(row, m_list->item(row)->text());
    });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int row = m_list->row(item);
        if (row >= 0 && std::size_t(row) < m_rows.size())
            emit clicked(m_rows[std::size_t(row)]);
    });
}

PhotoPanel *SuggestionPopup::showPhoto(const ReadPhoto &photo)
{
    m_photo->showPhoto(photo);
    m_photo->show();
    return m_photo;
}

void SuggestionPopup::hidePhoto()
{
    m_photo->hide();
}

PhotoPanel *SuggestionPopup::photoPanel() const
{
    return m_photo->isHidden() ? nullptr : m_photo;
}

void SuggestionPopup::showRows(const search::Rows &rows, const QString &nothing)
{
    m_rows = rows;
    // A window of its own that is never active, in the active colours of the window it belongs
    // to: an inactive highlight (light grey on Windows, whatever the scheme) would leave the
    // highlighted row's light text unreadable on a dark scheme. Each role is set, for a palette
    // merely handed on sets none.
    const QPalette scheme = m_field->window()->palette();
    QPalette colours;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
            colours.setBrush(g, r, scheme.brush(QPalette::Active, r));
        colours.setBrush(QPalette::Disabled, r, scheme.brush(QPalette::Disabled, r));
    }
    setPalette(colours);
    const QFontMetrics metrics = m_list->fontMetrics();
    const int gap = metrics.horizontalAdvance(toQString(kGap));
    std::array<int, 3> widths{};
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        for (const search::Row &row : rows) {
            const QStringList columns = columnsOf(row);
            auto *item = new QListWidgetItem(rowText(row), m_list);
            item->setData(kColumnsRole, columns);
            for (std::size_t i = 0; i < 3; ++i)
                widths[i] = qMax(widths[i], metrics.horizontalAdvance(columns[int(i)]));
        }
        if (rows.empty()) {
            const QString saying = nothing.isEmpty() ? toQString(kNothingFound) : nothing;
            auto *item = new QListWidgetItem(saying, m_list);
            item->setFlags(Qt::NoItemFlags);
            widths[0] = metrics.horizontalAdvance(saying);
        }
        m_list->setCurrentRow(rows.empty() ? -1 : 0);
    }
    // The columns start where the widest plate and the widest answer end; a popup that would be
    // wider than the most it may be gives up the end of the answers (they end in "…").
    const int margins = 12 + 2 * frameWidth();
    const int most = qMax(m_field->width() * kMostFieldWidths, m_field->width());
    int answerWidth = widths[1];
    const int needed = widths[0] + gap + answerWidth + (widths[2] > 0 ? gap + widths[2] : 0);
    if (needed + margins > most)
        answerWidth = qMax(gap, answerWidth - (needed + margins - most));
    m_columns->starts = {0, widths[0] + gap, widths[0] + gap + answerWidth + gap};
    const PhotoPanel *photo = photoPanel();
    const int width =
        std::max({m_field->width(), qMin(most, m_columns->starts[2] + widths[2] + margins),
                  photo ? photo->sizeHint().width() + 2 * frameWidth() : 0});
    const int height = m_list->count() * m_list->sizeHintForRow(0) + 2 * frameWidth() +
                       (photo ? photo->sizeHint().height() : 0);
    setFixedSize(width, height);
    m_list->viewport()->update();
    QFrame::move(m_field->mapToGlobal(QPoint(0, m_field->height())));
    show();
}

void SuggestionPopup::showAgain()
{
    QFrame::move(m_field->mapToGlobal(QPoint(0, m_field->height())));
    show();
}

const search::Row *SuggestionPopup::chosen() const
{
    if (m_rows.empty())
        return nullptr;
    const int row = qMax(0, m_list->currentRow());
    return &m_rows[std::size_t(row)];
}

void SuggestionPopup::move(int by)
{
    if (m_rows.empty())
        return;
    m_list->setCurrentRow(qBound(0, m_list->currentRow() + by, int(m_rows.size()) - 1));
}

TypedPlate::TypedPlate(QComboBox *list, AnswerAnnouncer *voice, Apply apply)
    : QObject(list)
    , m_list(list)
    , m_field(list->lineEdit())
    , m_voice(voice)
    , m_apply(std::move(apply))
{
    m_field->setToolTip(kHint);
    m_field->setAccessibleDescription(kHint);
    connect(m_field, &QLineEdit::textEdited, this, &TypedPlate::suggest);
    // The list takes the keys first (its edit field gets them from it), the field the clicks.
    m_list->installEventFilter(this);
    m_field->installEventFilter(this);
}

// Made at the first suggestion, so that it costs nothing at start.
SuggestionPopup *TypedPlate::popup()
{
    if (!m_popup) {
        m_popup = new SuggestionPopup(m_list);
        connect(m_popup, &SuggestionPopup::highlighted, this, &TypedPlate::highlight);
        connect(m_popup, &SuggestionPopup::clicked, this, &TypedPlate::apply);
    }
    return m_popup;
}

bool TypedPlate::suggesting() const
{
    return m_popup && m_popup->isVisible();
}

void TypedPlate::close()
{
    m_awayWithSuggestions = false;
    m_rowPlates.clear();
    if (m_popup) {
        m_popup->hide();
        m_popup->hidePhoto();
    }
    m_field->setAccessibleDescription(kHint);
    qApp->removeEventFilter(this);
}

void TypedPlate::focusField()
{
    m_list->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void TypedPlate::pasteIntoField(const QString &text)
{
    focusField();
    m_field->setText(text);
    suggest(text);
}

void TypedPlate::suggest(const QString &text)
{
    // What is typed over a photo's reading is read as typed, below the same photo.
    m_rowPlates.clear();
    m_field->setAccessibleDescription(kHint);
    if (text.trimmed().isEmpty()) {
        close();
        return;
    }
    const bool saidNothing = suggesting() && m_popup->rows().empty();
    const search::Rows rows = search::lookUp(text);
    popup()->showRows(rows);
    // While it shows, a click anywhere else closes it, and still reaches what it hit.
    qApp->installEventFilter(this);
    if (rows.empty() && !saidNothing)
        m_voice->announce(toQString(kNothingFound));
}

void TypedPlate::showPhoto(const ReadPhoto &photo)
{
    close();
    if (photo.problem != vision::PhotoProblem::None) {
        popup()->showRows({}, problemSentence(photo.problem));
        say(problemSentence(photo.problem));
        return;
    }
    popup()->showPhoto(photo);
    if (photo.plates.isEmpty()) {
        popup()->showRows({}, kNoPlateInPhoto);
        say(kNoPlateInPhoto);
        return;
    }
    search::Rows rows;
    if (photo.plates.size() == 1) {
        rows = search::lookUp(photo.plates.front().text);
    } else {
        for (int plate = 0; plate < photo.plates.size(); ++plate) {
            const search::Rows found = search::lookUp(photo.plates[plate].text);
            if (found.empty())
                continue;
            if (!rows.push(found[0]))
                break; // as many rows as the popup holds
            m_rowPlates << plate;
        }
    }
    // The plate of the first row (a plate no row stands for is left out of the rows).
    putInField(m_rowPlates.value(0, 0));
    popup()->showRows(rows);
    say(readingSentence(photo));
}

// A plate's reading in the field as if typed, the first place in doubt selected for typing to
// correct, and said to screen readers with the field.
void TypedPlate::putInField(int plate)
{
    const vision::FoundPlate &found = m_popup->photoPanel()->photo().plates[plate];
    m_popup->photoPanel()->setCurrent(plate);
    m_list->setFocus(Qt::OtherFocusReason);
    m_field->setText(found.text);
    if (found.doubtful.isEmpty())
        m_field->end(false);
    else
        m_field->setSelection(found.doubtful.front() - 1, 1);
    const QString doubt = doubtSentence(found.doubtful);
    m_field->setAccessibleDescription(doubt.isEmpty() ? kHint : doubt + u'。' + kHint);
}

// A highlighted row is heard; a row that stands for a photo's plate puts that plate in the field
// and outlines it in the photo.
void TypedPlate::highlight(int row, const QString &text)
{
    if (row < 0 || row >= m_rowPlates.size()) {
        m_voice->announce(text);
        return;
    }
    const int plate = m_rowPlates[row];
    putInField(plate);
    const QString doubt = doubtSentence(m_popup->photoPanel()->photo().plates[plate].doubtful);
    m_voice->announce(doubt.isEmpty() ? text : text + u'，' + doubt);
}

// Heard by screen readers, while the popup shows (a click elsewhere closes it).
void TypedPlate::say(const QString &what)
{
    qApp->installEventFilter(this);
    m_voice->announce(what);
}

void TypedPlate::apply(const search::Row &row)
{
    const Reading reading = row.reading;
    // Screen readers hear the outcome, not each step of it: a category chosen and its lists
    // filled and picked would otherwise bury the answer that follows.
    const HeldNews once;
    close();
    m_apply(reading);
}

bool TypedPlate::isListItem(const QString &text) const
{
    return indexOfItem(m_list, text) >= 0;
}

bool TypedPlate::showsPrompt() const
{
    const QString text = m_field->text();
    return m_list->currentIndex() == -1 &&
           (text == QStringLiteral("汉字部分") || sameText(text, armedpolice::stylePrompt()));
}

bool TypedPlate::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool open = suggesting();
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (!open)
                break;
            m_popup->move(key->key() == Qt::Key_Down ? 1 : -1);
            return true;
        case Qt::Key_Escape:
            if (!open)
                break;
            close();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            // An item of the list is picked as always; anything else is read as it is now.
            const QString text = m_field->text();
            if (text.trimmed().isEmpty() || isListItem(text)) {
                close();
                break;
            }
            if (!open)
                suggest(text);
            if (const search::Row *row = popup()->chosen())
                apply(*row);
            return true;
        }
        default:
            break;
        }
    } else if (watched == m_list && event->type() == QEvent::FocusOut) {
        // The window going inactive (a dialog closing, a person going to another window) hides
        // the suggestions, which come back with it; any other way of leaving the field closes
        // them.
        // (While the popup shows this filter sees the field's events twice, once for the whole
        // application.)
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::ActiveWindowFocusReason &&
            (suggesting() || m_awayWithSuggestions)) {
            m_popup->hide();
            m_awayWithSuggestions = true;
        } else {
            close();
        }
    } else if (watched == m_list && event->type() == QEvent::FocusIn && m_awayWithSuggestions) {
        m_awayWithSuggestions = false;
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::ActiveWindowFocusReason)
            m_popup->showAgain();
        else
            close();
    } else if (watched == m_field && event->type() == QEvent::MouseButtonRelease && showsPrompt()) {
        // A click into a prompt selects it, so that typing replaces it.
        QTimer::singleShot(0, m_field, &QLineEdit::selectAll);
    }
    if (event->type() == QEvent::MouseButtonPress && suggesting()) {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() != m_popup)
            close();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace korvanta
