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

std::string Reason(const FileFailure& failure) {
  switch (failure.step) {
    case FileStep::kNotRegularFile: return "設定ファイルの場所にファイルでないものがあります。";
    case FileStep::kTooLarge: return "設定ファイルが大きすぎます。";
    case FileStep::kMakeFolder:
      if (failure.path.empty()) return "設定ファイルを置くフォルダーがありません。";
      break;
    case FileStep::kLock:
      if (failure.error == EWOULDBLOCK) return "ほかの Lumitile が設定ファイルを使い続けています。";
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
