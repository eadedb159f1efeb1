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
    case Keeping::kGame: return "遊んでいるゲームを保存できませんでした。";
  }
  return "";
}

// The file the reason is about, as the player knows it.
std::string FileName(Keeping what) { return what == Keeping::kGame ? "途中のゲームのファイル" : "設定ファイル"; }

bool Reading(FileStep step) {
  return step == FileStep::kOpen || step == FileStep::kRead;
}

std::string Reason(Keeping what, const FileFailure& failure) {
  const std::string file = FileName(what);
  switch (failure.step) {
    case FileStep::kNotRegularFile: return file + "の場所にファイルでないものがあります。";
    case FileStep::kTooLarge: return file + "が大きすぎます。";
    case FileStep::kMakeFolder:
      if (failure.path.empty()) return file + "を置くフォルダーがありません。";
      break;
    case FileStep::kLock:
      if (failure.error == EWOULDBLOCK) return "ほかの Lumitile が" + file + "を使い続けています。";
      break;
    default: break;
  }
  switch (failure.error) {
    case ENOSPC:
    case EDQUOT: return "ディスクに空きがありません。";
    case EACCES:
    case EPERM:
    case EROFS:
      return Reading(failure.step) ? file + "を読む権限がありません。" : "書き込む権限がありません。";
    case EISDIR: return file + "の場所にファイルでないものがあります。";
    case ELOOP: return file + "の場所のリンクがたどれません。";
    default:
      return file + (Reading(failure.step) ? "を読めませんでした（エラー番号 " : "に書き込めませんでした（エラー番号 ") +
             std::to_string(failure.error) + "）。";
  }
}

}  // namespace

std::string CannotSaveText(const CannotSave& trouble) {
  return std::string(WhatText(trouble.What)) + "\n" + Reason(trouble.What, trouble.Failure);
}

}  // namespace lumitile
