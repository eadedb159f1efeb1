// The new-record entry ("おめでとう！"): asks the record holder for a name.
// It only reports what the player did; storing the record is up to its owner.
#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;

namespace lumitile {

class RecordEntryWindow : public QWidget {
  Q_OBJECT

 public:
  explicit RecordEntryWindow(QWidget* parent = nullptr);

 signals:
  // OK: the window has closed with this name as typed.
  void Confirmed(const QString& name);
  // Closed any other way: the record is to be dropped.
  void Dismissed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Confirm();

  QLineEdit* text_;
  bool confirmed_ = false;
};

}  // namespace lumitile
