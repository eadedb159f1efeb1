#include "ui/cannot_save_text.h"

#include <QCoreApplication>
#include <cerrno>

namespace lumitile {
namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(lumitile::CannotSave)
};

QString WhatText(Keeping what) {
  switch (what) {
    case Keeping::kSettings: return Words::tr("ハイスコアとレベルを保存できませんでした。");
    case Keeping::kLevel: return Words::tr("レベルを保存できませんでした。");
    case Keeping::kRecord: return Words::tr("ハイスコアを保存できませんでした。");
    case Keeping::kClearedTable: return Words::tr("ハイスコアのクリアを保存できませんでした。");
    case Keeping::kOptions: return Words::tr("表示の設定を保存できませんでした。");
  }
  return {};
}

bool Reading(FileStep step) {
  return step == FileStep::kOpen || step == FileStep::kRead;
}

// The lock is a file of its own, and the path shown below the words is the
// lock's: the words say so, since the settings file itself may be fine.
QString LockReason(const FileFailure& failure) {
  if (failure.step == FileStep::kLockNotFile) {
    return Words::tr("次のロックファイルは、フォルダーやリンクなど、ふつうのファイルでないため使えません。");
  }
  switch (failure.error) {
    case EWOULDBLOCK: return Words::tr("ほかの Lumitile が次のロックファイルを持ったまま、設定ファイルを使い続けています。");
    case ESTALE: return Words::tr("次のロックファイルが、ロックするたびにほかのプログラムに消されるか置き換えられています。");
    case ENOSPC:
    case EDQUOT: return Words::tr("ディスクに空きがないため、次のロックファイルを作れません。");
    case EACCES:
    case EPERM:
    case EROFS: return Words::tr("次のロックファイルを作る権限か、開く権限がありません。");
    default: return Words::tr("次のロックファイルを使えませんでした（エラー番号 %1）。").arg(failure.error);
  }
}

QString Reason(const FileFailure& failure) {
  if (failure.step == FileStep::kLock || failure.step == FileStep::kLockNotFile) return LockReason(failure);
  switch (failure.step) {
    case FileStep::kNotRegularFile: return Words::tr("設定ファイルの場所にファイルでないものがあります。");
    case FileStep::kTooLarge: return Words::tr("設定ファイルが大きすぎます。");
    case FileStep::kMakeFolder:
      if (failure.path.empty()) return Words::tr("設定ファイルを置くフォルダーがありません。");
      break;
    default: break;
  }
  switch (failure.error) {
    case ENOSPC:
    case EDQUOT: return Words::tr("ディスクに空きがありません。");
    case EACCES:
    case EPERM:
    case EROFS:
      return Reading(failure.step) ? Words::tr("設定ファイルを読む権限がありません。") : Words::tr("書き込む権限がありません。");
    default:
      return (Reading(failure.step) ? Words::tr("設定ファイルを読めませんでした（エラー番号 %1）。")
                                    : Words::tr("設定ファイルに書き込めませんでした（エラー番号 %1）。"))
          .arg(failure.error);
  }
}

}  // namespace

QString CannotSaveText(const CannotSave& trouble) {
  return WhatText(trouble.What) + QLatin1Char('\n') + Reason(trouble.Failure);
}

}  // namespace lumitile
