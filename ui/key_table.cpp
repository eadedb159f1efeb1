#include "ui/key_table.h"

#include <array>

namespace lumitile {

namespace {

struct KeyRow {
  int Key;
  Qt::KeyboardModifiers Modifiers;
  KeyAction Action;
  KeyPlace Where = KeyPlace::Board;
};

constexpr Qt::KeyboardModifiers kPlain = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;

const std::array kKeys{
    KeyRow{Qt::Key_Up, kPlain, {KeyCommand::MoveCursor, 0, -1, 0}},
    KeyRow{Qt::Key_Down, kPlain, {KeyCommand::MoveCursor, 0, 1, 0}},
    KeyRow{Qt::Key_Left, kPlain, {KeyCommand::MoveCursor, 0, 0, -1}},
    KeyRow{Qt::Key_Right, kPlain, {KeyCommand::MoveCursor, 0, 0, 1}},
    KeyRow{Qt::Key_Home, kPlain, {KeyCommand::RowEdge, 0}},
    KeyRow{Qt::Key_End, kPlain, {KeyCommand::RowEdge, 1}},
    KeyRow{Qt::Key_0, kPlain, {KeyCommand::Erase}},
    KeyRow{Qt::Key_Delete, kPlain, {KeyCommand::Erase}},
    KeyRow{Qt::Key_Backspace, kPlain, {KeyCommand::Erase}},
    KeyRow{Qt::Key_H, kPlain, {KeyCommand::Hint}},
    KeyRow{Qt::Key_H, Qt::ShiftModifier, {KeyCommand::NextStep}},
    KeyRow{Qt::Key_Space, kPlain, {KeyCommand::ApplyPick}},
    KeyRow{Qt::Key_Return, kPlain, {KeyCommand::ApplyOrFinishEntry}},
    KeyRow{Qt::Key_Enter, kPlain, {KeyCommand::ApplyOrFinishEntry}},
    KeyRow{Qt::Key_Escape, kPlain, {KeyCommand::PutPickDown}},
    KeyRow{Qt::Key_N, kCtrl, {KeyCommand::NewGame}},
    KeyRow{Qt::Key_Q, kCtrl, {KeyCommand::End}},
    KeyRow{Qt::Key_F1, kPlain, {KeyCommand::Help}},
    KeyRow{Qt::Key_P, kPlain, {KeyCommand::Pause}},
    KeyRow{Qt::Key_Pause, kPlain, {KeyCommand::Pause}},
    KeyRow{Qt::Key_Z, kCtrl, {KeyCommand::Undo}},
    KeyRow{Qt::Key_Z, kCtrl | Qt::ShiftModifier, {KeyCommand::Redo}},
    KeyRow{Qt::Key_Y, kCtrl, {KeyCommand::Redo}},
    KeyRow{Qt::Key_Plus, kCtrl, {KeyCommand::ZoomIn}},
    KeyRow{Qt::Key_Equal, kCtrl, {KeyCommand::ZoomIn}},
    KeyRow{Qt::Key_Minus, kCtrl, {KeyCommand::ZoomOut}},
    KeyRow{Qt::Key_0, kCtrl, {KeyCommand::ZoomReset}},
    KeyRow{Qt::Key_C, kCtrl, {KeyCommand::CopyPuzzle}},
    KeyRow{Qt::Key_V, kCtrl, {KeyCommand::PastePuzzle}},
    KeyRow{Qt::Key_P, kCtrl, {KeyCommand::Print}},
    KeyRow{Qt::Key_T, kPlain, {KeyCommand::SayTime}},
    KeyRow{Qt::Key_F10, kPlain, {KeyCommand::OpenMenu}},
    KeyRow{Qt::Key_Left, kPlain, {KeyCommand::PaletteStep, -1}, KeyPlace::Palette},
    KeyRow{Qt::Key_Up, kPlain, {KeyCommand::PaletteStep, -1}, KeyPlace::Palette},
    KeyRow{Qt::Key_Right, kPlain, {KeyCommand::PaletteStep, 1}, KeyPlace::Palette},
    KeyRow{Qt::Key_Down, kPlain, {KeyCommand::PaletteStep, 1}, KeyPlace::Palette},
    KeyRow{Qt::Key_Space, kPlain, {KeyCommand::PressItem}, KeyPlace::Palette},
    KeyRow{Qt::Key_Return, kPlain, {KeyCommand::PressItem}, KeyPlace::Palette},
    KeyRow{Qt::Key_Enter, kPlain, {KeyCommand::PressItem}, KeyPlace::Palette},
    KeyRow{Qt::Key_Escape, kPlain, {KeyCommand::CloseWindow}, KeyPlace::SideWindow},
};

}  // namespace

std::optional<KeyAction> KeyActionFor(int key, Qt::KeyboardModifiers modifiers, KeyPlace place) {
  modifiers &= ~Qt::KeyboardModifiers(Qt::KeypadModifier);
  for (const KeyRow& row : kKeys) {
    if (place != KeyPlace::Board && row.Where == place && row.Key == key && row.Modifiers == modifiers)
      return row.Action;
  }
  if (place == KeyPlace::SideWindow) return std::nullopt;
  if (key >= Qt::Key_1 && key <= Qt::Key_9) {
    const int number = key - Qt::Key_0;
    if (modifiers == kPlain) return KeyAction{KeyCommand::PlacePanel, number};
    if (modifiers == kCtrl) return KeyAction{KeyCommand::ToggleMark, number};
    return std::nullopt;
  }
  for (const KeyRow& row : kKeys) {
    if (row.Where == KeyPlace::Board && row.Key == key && row.Modifiers == modifiers) return row.Action;
  }
  return std::nullopt;
}

QList<QKeySequence> KeysFor(KeyCommand command) {
  QList<QKeySequence> keys;
  for (const KeyRow& row : kKeys) {
    if (row.Action == KeyAction{command}) keys << QKeySequence(row.Key | row.Modifiers);
  }
  return keys;
}

QList<QKeySequence> EveryKey() {
  QList<QKeySequence> keys{QKeySequence(Qt::Key_1), QKeySequence(Qt::Key_9), QKeySequence(kCtrl | Qt::Key_1),
                           QKeySequence(kCtrl | Qt::Key_9)};
  for (const KeyRow& row : kKeys) {
    const QKeySequence key(row.Key | row.Modifiers);
    if (!keys.contains(key)) keys << key;
  }
  return keys;
}

}  // namespace lumitile
