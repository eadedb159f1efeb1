#include "ui/cannot_save_text.h"

#include <cerrno>

namespace lumitile {
namespace {

const char* WhatText(Keeping what) {
  switch (what) {
    case Keeping::kSettings: return "ハイスコアとレベルを保存できませんでした。";
    case Keeping::kLevel: return "レベルを保存できませんでした。";
    case Keeping::kRecord: return "ハイスコアを保存できませんでした。";
    case Keeping::kClearedTable: return "ハイスコアのクリアを保存できませんでした。";
    case Keeping::kOptions: return "表示の設定を保存できませんでした。";
  }
  return "";
}

bool Reading(FileStep step) {
  return step == FileStep::kOpen || step == FileStep::kRead;
}

// The lock is a file of its own, and the path shown below the words is the
// lock's: the words say so, since the settings file itself may be fine.
std::string LockReason(const FileFailure& failure) {
  if (failure.step == FileStep::kLockNotFile) {
    return "次のロックファイルは、フォルダーやリンクなど、ふつうのファイルでないため使えません。";
  }
  switch (failure.error) {
    case EWOULDBLOCK: return "ほかの Lumitile が次のロックファイルを持ったまま、設定ファイルを使い続けています。";
    case ESTALE: return "次のロックファイルが、ロックするたびにほかのプログラムに消されるか置き換えられています。";
    case ENOSPC:
    case EDQUOT: return "ディスクに空きがないため、次のロックファイルを作れません。";
    case EACCES:
    case EPERM:
    case EROFS: return "次のロックファイルを作る権限か、開く権限がありません。";
    default: return "次のロックファイルを使えませんでした（エラー番号 " + std::to_string(failure.error) + "）。";
  }
}

std::string Reason(const FileFailure& failure) {
  if (failure.step == FileStep::kLock || failure.step == FileStep::kLockNotFile) return LockReason(failure);
  switch (failure.step) {
    case FileStep::kNotRegularFile: return "設定ファイルの場所にファイルでないものがあります。";
    case FileStep::kTooLarge: return "設定ファイルが大きすぎます。";
    case FileStep::kMakeFolder:
      if (failure.path.empty()) return "設定ファイルを置くフォルダーがありません。";
      break;
    default: break;
  }
  switch (failure.error) {
    case ENOSPC:
    case EDQUOT: return "ディスクに空きがありません。";
    case EACCES:
    case EPERM:
    case EROFS:
      return Reading(failure.step) ? "設定ファイルを読む権限がありません。" : "書き込む権限がありません。";
    default:
      return (Reading(failure.step) ? "設定ファイルを読めませんでした（エラー番号 "
                                    : "設定ファイルに書き込めませんでした（エラー番号 ") +
             std::to_string(failure.error) + "）。";
  }
}

}  // namespace

std::string CannotSaveText(const CannotSave& trouble) {
  return std::string(WhatText(trouble.What)) + "\n" + Reason(trouble.Failure);
}

}  // namespace lumitile
