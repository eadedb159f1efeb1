#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QWidget>
#include <array>
#include <memory>

#include "core/game_session.h"
#include "ui/board_widget.h"
#include "ui/picture_box.h"

namespace lumitile {

namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(lumitile::Accessibility)
};

class BoardAccessible;

constexpr const char* kAnnouncerName = "Announcer";

// One cell of the board; it has no widget of its own, so the board's
// interface owns it for as long as the board lives. A list item, not a
// table cell: readers speak a table cell's whole row on Up and Down.
class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  CellAccessible(BoardAccessible* table, BoardWidget* board, Cell cell) : table_(table), board_(board), cell_(cell) {}

  bool isValid() const override { return board_ != nullptr; }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return {};
    const GameSession& game = board_->Game();
    return CellAccessibleName(cell_, game.CellAt(cell_), game.MarksShown(cell_), game.Paused());
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const QRect place = board_->CellRect(cell_);
    return {board_->mapToGlobal(place.topLeft()), place.size()};
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.readOnly = board_->Game().CellAt(cell_).Kind == CellKind::Given;
    state.focused = board_->hasFocus() && board_->Game().Cursor() == cell_;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return cell_.Column; }
  int rowIndex() const override { return cell_.Row; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  BoardAccessible* table_;
  BoardWidget* board_;
  Cell cell_;
};

// The board: a list of 81 cells, which a client can also walk as a table,
// as Qt's own list views can be.
class BoardAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardAccessible(BoardWidget* board) : QAccessibleWidget(board, QAccessible::List) {
    for (int i = 0; i < kCells; ++i) {
      cells_[i] = std::make_unique<CellAccessible>(this, board, Cell{i / kBoardSize, i % kBoardSize});
      QAccessible::registerAccessibleInterface(cells_[i].get());
    }
  }
  ~BoardAccessible() override {
    // The cache forgets each cell before it goes; it must not delete them.
    for (auto& cell : cells_) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell.release()));
  }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? Words::tr("盤面") : QAccessibleWidget::text(t);
  }
  int childCount() const override { return kCells; }
  QAccessibleInterface* child(int index) const override {
    return index >= 0 && index < kCells ? cells_[index].get() : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < kCells; ++i)
      if (cells_[i].get() == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const auto cell = Board()->CellAt(Board()->mapFromGlobal(QPoint(x, y)));
    return cell ? cellAt(cell->Row, cell->Column) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    if (!Board()->hasFocus()) return nullptr;
    const Cell cursor = Board()->Game().Cursor();
    return cellAt(cursor.Row, cursor.Column);
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : QAccessibleWidget::interface_cast(type);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    return OnBoard({row, column}) ? cells_[row * kBoardSize + column].get() : nullptr;
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override { return Words::tr("%1列").arg(column + 1); }
  QString rowDescription(int row) const override { return Words::tr("%1行").arg(row + 1); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return kBoardSize; }
  int rowCount() const override { return kBoardSize; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  static constexpr int kCells = kBoardSize * kBoardSize;
  BoardWidget* Board() const { return static_cast<BoardWidget*>(widget()); }
  std::array<std::unique_ptr<CellAccessible>, kCells> cells_;
};

QAccessibleInterface* CellAccessible::parent() const { return table_; }

// A palette item a reader can press. The items that can be picked are one
// set of radio buttons, checked while picked; a spent hint token is hidden
// and unavailable. Clear-all is a plain button.
class PaletteItemAccessible final : public QAccessibleWidget {
 public:
  explicit PaletteItemAccessible(PictureBox* box) : QAccessibleWidget(box, QAccessible::Button) {}

  // Asked every time: the interface may be made before the item is told it can be picked.
  QAccessible::Role role() const override {
    return static_cast<const PictureBox*>(widget())->Pickable() ? QAccessible::RadioButton : QAccessible::Button;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    const auto* box = static_cast<const PictureBox*>(widget());
    state.checkable = box->Pickable();
    state.checked = box->Picked();
    state.disabled = box->isHidden();
    return state;
  }
  QStringList actionNames() const override { return QStringList{pressAction()} << QAccessibleWidget::actionNames(); }
  void doAction(const QString& name) override {
    // Shown down for a moment, as a click would be, then clicked.
    if (name == pressAction()) return static_cast<PictureBox*>(widget())->animateClick();
    QAccessibleWidget::doAction(name);
  }
};

// The clock's first digit speaks for the three: a fixed name, so it never
// renames itself as the seconds pass, and the time as its value, read from
// the game whenever a reader asks.
class ClockAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit ClockAccessible(PictureBox* box) : QAccessibleWidget(box, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return SpokenTime(Seconds());
    return QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                               : QAccessibleWidget::interface_cast(type);
  }
  QVariant currentValue() const override { return Seconds(); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return kMaxShownSeconds; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  int32_t Seconds() const {
    const auto* board = widget()->parentWidget()->findChild<BoardWidget*>();
    return board ? std::min(board->Game().ElapsedSeconds(), kMaxShownSeconds) : 0;
  }
};

QAccessibleInterface* Describe(const QString& className, QObject* object) {
  if (className == QLatin1String("lumitile::BoardWidget")) return new BoardAccessible(static_cast<BoardWidget*>(object));
  if (className == QLatin1String("lumitile::PictureBox")) {
    auto* box = static_cast<PictureBox*>(object);
    if (box->Pressable()) return new PaletteItemAccessible(box);
    // The clock's other digits are pictures without a name of their own.
    if (box->accessibleName().isEmpty()) return new QAccessibleWidget(box, QAccessible::StaticText);
    return new ClockAccessible(box);
  }
  if (className == QLatin1String("QWidget") && object->objectName() == QLatin1String(kAnnouncerName))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Describe);
    return true;
  }();
  (void)installed;
}

void Announce(QWidget* from, const QString& words) {
  if (words.isEmpty()) return;
  QWidget* window = from->window();
  auto* announcer = window->findChild<QWidget*>(QLatin1String(kAnnouncerName), Qt::FindDirectChildrenOnly);
  if (!announcer) {
    announcer = new QWidget(window);
    announcer->setObjectName(QLatin1String(kAnnouncerName));
    announcer->setFixedSize(0, 0);
    announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
    announcer->setFocusPolicy(Qt::NoFocus);
  }
  // Readers speak a notification as it shows, so it shows anew every time,
  // even with the words it said last.
  announcer->hide();
  announcer->setAccessibleName(words);
  announcer->show();
}

void TellCellsChanged(QWidget* board, const CellSet& cells) {
  if (!QAccessible::isActive()) return;
  for (int i = 0; i < kBoardSize * kBoardSize; ++i) {
    if (!cells.test(static_cast<std::size_t>(i))) continue;
    QAccessibleEvent renamed(board, QAccessible::NameChanged);
    renamed.setChild(i);
    QAccessible::updateAccessibility(&renamed);
  }
}

void TellCursorFocused(QWidget* board, Cell cursor) {
  if (!board->hasFocus() || !QAccessible::isActive()) return;
  QAccessibleEvent moved(board, QAccessible::Focus);
  moved.setChild(cursor.Row * kBoardSize + cursor.Column);
  QAccessible::updateAccessibility(&moved);
}

QString SpokenTime(int32_t seconds) {
  if (seconds < 60) return Words::tr("%1秒").arg(seconds);
  return Words::tr("%1分%2秒").arg(seconds / 60).arg(seconds % 60);
}

QString CellAccessibleName(Cell cell, CellView view, uint16_t marks, bool paused) {
  // Each phrase whole, so a language can order its parts its own way.
  const auto said = [&cell](const QString& phrase) { return phrase.arg(cell.Row + 1).arg(cell.Column + 1); };
  if (paused) return said(Words::tr("%1行%2列 一時停止中"));
  switch (view.Kind) {
    case CellKind::Given: return said(Words::tr("%1行%2列 %3 (固定)")).arg(view.Number);
    case CellKind::Placed: return said(Words::tr("%1行%2列 %3")).arg(view.Number);
    case CellKind::Empty: break;
  }
  if (marks == 0) return said(Words::tr("%1行%2列 空き"));
  QString numbers;
  for (int n = 1; n <= 9; ++n)
    if (marks & MarkBit(n)) numbers += QStringLiteral(" %1").arg(n);
  return said(Words::tr("%1行%2列 空き メモ%3")).arg(numbers);
}

}  // namespace lumitile
