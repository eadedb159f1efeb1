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
    case Keeping::kGame: return Words::tr("遊んでいるゲームを保存できませんでした。");
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

// Each sentence names the file it is about, the settings file or the game in
// progress's own, as whole sentences a translator can word.
QString Reason(Keeping what, const FileFailure& failure) {
  const bool game = what == Keeping::kGame;
  const bool lock = failure.step == FileStep::kLock || failure.step == FileStep::kLockNotFile;
  if (lock && !game) return LockReason(failure);
  const auto said = [game](const QString& settings, const QString& kept) { return game ? kept : settings; };
  const QString notAFile = said(Words::tr("設定ファイルの場所にファイルでないものがあります。"),
                                Words::tr("途中のゲームのファイルの場所にファイルでないものがあります。"));
  switch (failure.step) {
    case FileStep::kNotRegularFile: return notAFile;
    case FileStep::kTooLarge:
      return said(Words::tr("設定ファイルが大きすぎます。"), Words::tr("途中のゲームのファイルが大きすぎます。"));
    case FileStep::kMakeFolder:
      if (!failure.path.empty()) break;
      return said(Words::tr("設定ファイルを置くフォルダーがありません。"),
                  Words::tr("途中のゲームのファイルを置くフォルダーがありません。"));
    case FileStep::kLock:
      if (failure.error == EWOULDBLOCK) return Words::tr("ほかの Lumitile が途中のゲームのファイルを使い続けています。");
      break;
    default: break;
  }
  switch (failure.error) {
    case ENOSPC:
    case EDQUOT: return Words::tr("ディスクに空きがありません。");
    case EACCES:
    case EPERM:
    case EROFS:
      if (!Reading(failure.step)) return Words::tr("書き込む権限がありません。");
      return said(Words::tr("設定ファイルを読む権限がありません。"), Words::tr("途中のゲームのファイルを読む権限がありません。"));
    case EISDIR: return notAFile;
    case ELOOP:
      return said(Words::tr("設定ファイルの場所のリンクがたどれません。"),
                  Words::tr("途中のゲームのファイルの場所のリンクがたどれません。"));
    default:
      if (Reading(failure.step)) {
        return said(Words::tr("設定ファイルを読めませんでした（エラー番号 %1）。"),
                    Words::tr("途中のゲームのファイルを読めませんでした（エラー番号 %1）。"))
            .arg(failure.error);
      }
      return said(Words::tr("設定ファイルに書き込めませんでした（エラー番号 %1）。"),
                  Words::tr("途中のゲームのファイルに書き込めませんでした（エラー番号 %1）。"))
          .arg(failure.error);
  }
}

}  // namespace

QString CannotSaveText(const CannotSave& trouble) {
  return WhatText(trouble.What) + QLatin1Char('\n') + Reason(trouble.What, trouble.Failure);
}

}  // namespace lumitile
