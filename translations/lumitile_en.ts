<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>StepText</name>
    <message>
        <source>%1行%2列</source>
        <translation>Row %1, column %2</translation>
    </message>
    <message>
        <source>%1行</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>%1列</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>ブロック%1</source>
        <translation>block %1</translation>
    </message>
    <message>
        <source>この行</source>
        <translation>its row</translation>
    </message>
    <message>
        <source>この列</source>
        <translation>its column</translation>
    </message>
    <message>
        <source>このブロック</source>
        <translation>its block</translation>
    </message>
    <message>
        <source>%1と%2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 と %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1・%2・%3</source>
        <translation>%1, %2 and %3</translation>
    </message>
    <message>
        <source>%1: 入る数字は %2 しか残っていません（%3）</source>
        <translation>%1: only %2 is left to go here (%3)</translation>
    </message>
    <message>
        <source>%1: %2で %3 が入るのはここだけです（%4）</source>
        <translation>%1: this is the only place in %2 for %3 (%4)</translation>
    </message>
    <message>
        <source>%1: %2 は%3の中にしか入らないので、%3のほかのマスから消せます（%4）</source>
        <translation>In %1, %2 can go only in %3, so it goes from the rest of %3 (%4)</translation>
    </message>
    <message>
        <source>%1: この %2 マスには %3 しか入らないので、ほかのマスから消せます（%4）</source>
        <translation>In %1, these %2 cells hold only %3, so they go from the other cells (%4)</translation>
    </message>
    <message>
        <source>%1: %2 が入るのはこの %3 マスだけなので、そのほかの候補を消せます（%4）</source>
        <translation>In %1, %2 fit only these %3 cells, so their other candidates go (%4)</translation>
    </message>
    <message>
        <source>%1: %2 はどちらも%3の上にしか入らないので、%3のほかのマスから消せます（%4）</source>
        <translation>In %1, %2 can go only on %3, so it goes from the rest of %3 (%4)</translation>
    </message>
    <message>
        <source>裸のシングル</source>
        <translation>naked single</translation>
    </message>
    <message>
        <source>隠れたシングル</source>
        <translation>hidden single</translation>
    </message>
    <message>
        <source>候補の締め出し</source>
        <translation>locked candidates</translation>
    </message>
    <message>
        <source>裸のトリプル</source>
        <translation>naked triple</translation>
    </message>
    <message>
        <source>裸のペア</source>
        <translation>naked pair</translation>
    </message>
    <message>
        <source>隠れたトリプル</source>
        <translation>hidden triple</translation>
    </message>
    <message>
        <source>隠れたペア</source>
        <translation>hidden pair</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X-wing</translation>
    </message>
    <message>
        <source>%1: このパネルは間違っています。まずここを直しましょう</source>
        <translation>%1: this panel is wrong. Put it right first</translation>
    </message>
    <message>
        <source>このゲームの知っている手筋では、次の一手が見つかりません。ヒント（H）なら一マスの答えが分かります</source>
        <translation>None of the techniques this game knows finds a next step here. A hint (H) shows one cell&apos;s answer</translation>
    </message>
    <message>
        <source>このゲームの知っている手筋では、次の一手が見つかりません。ヒントも使い切っています</source>
        <translation>None of the techniques this game knows finds a next step here, and the hints are all spent</translation>
    </message>
    <message>
        <source>%1: %2 はどれも%3の上にしか入らないので、%3のほかのマスから消せます（%4）</source>
        <translation>In %1, %2 can go only on %3, so it goes from the rest of %3 (%4)</translation>
    </message>
    <message>
        <source>%1: %2 は%3の上か、ひれのマスにしか入らないので、ひれと同じブロックの%3から消せます（%4）</source>
        <translation>In %1, %2 can go only on %3 or in the fin, so it goes from %3 inside the fin&apos;s block (%4)</translation>
    </message>
    <message>
        <source>%1: %2 はどちらも 2 か所だけで、一方の端が%3にそろうので、残る両端から見えるマスには入りません（%4）</source>
        <translation>In %1, %2 has two places each, one end of each on %3, so a cell that sees both other ends cannot hold it (%4)</translation>
    </message>
    <message>
        <source>%1: %2 はどちらも 2 か所だけで、一方の端が%3にあるので、残る両端から見えるマスには入りません（%4）</source>
        <translation>In %1, %2 has two places each, one end of each in %3, so a cell that sees both other ends cannot hold it (%4)</translation>
    </message>
    <message>
        <source>%1 が 2 か所だけの組を二色に塗り分けると、正しいのはどちらかの色なので、枠のマスから %1 を消せます（%2）</source>
        <translation>Colouring the pairs of places of %1 in turn, one of the two colours is right, so the framed cells lose %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2 の鎖の両端のどちらかに %2 が入るので、両端から見えるマスには入りません（%3）</source>
        <translation>%1: one end of this chain of %2 holds %2, so a cell that sees both ends cannot (%3)</translation>
    </message>
    <message>
        <source>%1: ここにどちらが入っても、はさむ 2 マスのどちらかに %2 が入るので、両方から見えるマスには入りません（%3）</source>
        <translation>%1: whichever number goes here, one of the two pincers holds %2, so a cell that sees both cannot (%3)</translation>
    </message>
    <message>
        <source>%1: ここか、はさむ 2 マスのどれかに %2 が入るので、3 つすべてから見えるマスには入りません（%3）</source>
        <translation>%1: this cell or one of its two pincers holds %2, so a cell that sees all three cannot (%3)</translation>
    </message>
    <message>
        <source>%1: 同じ 2 つの候補のこの 2 マスのどちらかに %2 が入るので、両方から見えるマスには入りません（%3）</source>
        <translation>%1: one of these two cells with the same two candidates holds %2, so a cell that sees both cannot (%3)</translation>
    </message>
    <message>
        <source>%1: 候補が 2 つのマスの鎖の両端のどちらかに %2 が入るので、両端から見えるマスには入りません（%3）</source>
        <translation>%1: one end of this chain of two-candidate cells holds %2, so a cell that sees both ends cannot (%3)</translation>
    </message>
    <message>
        <source>裸のクアッド</source>
        <translation>naked quad</translation>
    </message>
    <message>
        <source>隠れたクアッド</source>
        <translation>hidden quad</translation>
    </message>
    <message>
        <source>ソードフィッシュ</source>
        <translation>swordfish</translation>
    </message>
    <message>
        <source>ジェリーフィッシュ</source>
        <translation>jellyfish</translation>
    </message>
    <message>
        <source>ひれ付き X-Wing</source>
        <translation>finned X-wing</translation>
    </message>
    <message>
        <source>ひれ付きソードフィッシュ</source>
        <translation>finned swordfish</translation>
    </message>
    <message>
        <source>スカイスクレイパー</source>
        <translation>skyscraper</translation>
    </message>
    <message>
        <source>ツーストリングカイト</source>
        <translation>two-string kite</translation>
    </message>
    <message>
        <source>シンプルカラーリング</source>
        <translation>simple colouring</translation>
    </message>
    <message>
        <source>X チェーン</source>
        <translation>X-chain</translation>
    </message>
    <message>
        <source>XY-Wing</source>
        <translation>XY-wing</translation>
    </message>
    <message>
        <source>XYZ-Wing</source>
        <translation>XYZ-wing</translation>
    </message>
    <message>
        <source>W-Wing</source>
        <translation>W-wing</translation>
    </message>
    <message>
        <source>XY チェーン</source>
        <translation>XY-chain</translation>
    </message>
    <message>
        <source>ユニークレクタングル</source>
        <translation>unique rectangle</translation>
    </message>
    <message>
        <source>%1: ここにも %2 のどちらかが入ると答えが 2 つになってしまうので、どちらも入りません（%3）</source>
        <translation>%1: with either of %2 here too the puzzle would have two answers, so neither goes here (%3)</translation>
    </message>
    <message>
        <source>どのパネルもどれかの答えには合っていますが、いっしょには成り立ちません。どれかを置き直しましょう</source>
        <translation>Each panel is right in some answer, but they cannot all stand together. Put one of them right</translation>
    </message>
    <message>
        <source>裸のペアとトリプル</source>
        <translation>naked pairs and triples</translation>
    </message>
    <message>
        <source>隠れたペアとトリプル</source>
        <translation>hidden pairs and triples</translation>
    </message>
</context>
<context>
    <name>lumitile::AboutWindow</name>
    <message>
        <source>Lumitile について</source>
        <translation>About Lumitile</translation>
    </message>
</context>
<context>
    <name>lumitile::Accessibility</name>
    <message>
        <source>盤面</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>%1列</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>%1行</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>%1行%2列 一時停止中</source>
        <translation>Row %1, column %2, paused</translation>
    </message>
    <message>
        <source>%1行%2列 %3 (固定)</source>
        <translation>Row %1, column %2, %3 (given)</translation>
    </message>
    <message>
        <source>%1行%2列 %3</source>
        <translation>Row %1, column %2, %3</translation>
    </message>
    <message>
        <source>%1行%2列 空き</source>
        <translation>Row %1, column %2, empty</translation>
    </message>
    <message>
        <source>%1行%2列 空き メモ%3</source>
        <translation>Row %1, column %2, empty, notes%3</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation>%1 min %2 s</translation>
    </message>
</context>
<context>
    <name>lumitile::AuxiliaryWindows</name>
    <message>
        <source>Lumihlp.html</source>
        <extracomment>The help document&apos;s file name: Lumihlp_en.html for English.</extracomment>
        <translation>Lumihlp_en.html</translation>
    </message>
</context>
<context>
    <name>lumitile::BestTimesWindow</name>
    <message>
        <source>ハイスコア</source>
        <translation>Best Times</translation>
    </message>
    <message>
        <source>初級：</source>
        <translation>Beg.:</translation>
    </message>
    <message>
        <source>中級：</source>
        <translation>Int.:</translation>
    </message>
    <message>
        <source>上級：</source>
        <translation>Adv.:</translation>
    </message>
    <message>
        <source>超上級：</source>
        <translation>Expert:</translation>
    </message>
    <message>
        <source>達人：</source>
        <translation>Master:</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>名人：</source>
        <translation>Grandm.:</translation>
    </message>
</context>
<context>
    <name>lumitile::BoardWidget</name>
    <message>
        <source>一時停止中</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>完成！</source>
        <translation>Solved!</translation>
    </message>
</context>
<context>
    <name>lumitile::CannotSave</name>
    <message>
        <source>ハイスコアとレベルを保存できませんでした。</source>
        <translation>The best times and the level could not be saved.</translation>
    </message>
    <message>
        <source>レベルを保存できませんでした。</source>
        <translation>The level could not be saved.</translation>
    </message>
    <message>
        <source>ハイスコアを保存できませんでした。</source>
        <translation>The best time could not be saved.</translation>
    </message>
    <message>
        <source>ハイスコアのクリアを保存できませんでした。</source>
        <translation>Clearing the best times could not be saved.</translation>
    </message>
    <message>
        <source>表示の設定を保存できませんでした。</source>
        <translation>The view settings could not be saved.</translation>
    </message>
    <message>
        <source>設定ファイルの場所にファイルでないものがあります。</source>
        <translation>Something that is not a file stands where the settings file goes.</translation>
    </message>
    <message>
        <source>設定ファイルが大きすぎます。</source>
        <translation>The settings file is too large.</translation>
    </message>
    <message>
        <source>設定ファイルを置くフォルダーがありません。</source>
        <translation>There is no folder to keep the settings file in.</translation>
    </message>
    <message>
        <source>ディスクに空きがありません。</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>設定ファイルを読む権限がありません。</source>
        <translation>You have no permission to read the settings file.</translation>
    </message>
    <message>
        <source>書き込む権限がありません。</source>
        <translation>You have no permission to write there.</translation>
    </message>
    <message>
        <source>設定ファイルを読めませんでした（エラー番号 %1）。</source>
        <translation>The settings file could not be read (error number %1).</translation>
    </message>
    <message>
        <source>設定ファイルに書き込めませんでした（エラー番号 %1）。</source>
        <translation>The settings file could not be written (error number %1).</translation>
    </message>
    <message>
        <source>次のロックファイルは、フォルダーやリンクなど、ふつうのファイルでないため使えません。</source>
        <translation>The lock file below cannot be used: it is a folder, a link or something else that is not a plain file.</translation>
    </message>
    <message>
        <source>ほかの Lumitile が次のロックファイルを持ったまま、設定ファイルを使い続けています。</source>
        <translation>Another Lumitile holds the lock file below and keeps using the settings file.</translation>
    </message>
    <message>
        <source>次のロックファイルが、ロックするたびにほかのプログラムに消されるか置き換えられています。</source>
        <translation>Another program deletes or replaces the lock file below each time it is locked.</translation>
    </message>
    <message>
        <source>ディスクに空きがないため、次のロックファイルを作れません。</source>
        <translation>The disk is full, so the lock file below cannot be made.</translation>
    </message>
    <message>
        <source>次のロックファイルを作る権限か、開く権限がありません。</source>
        <translation>You have no permission to make or open the lock file below.</translation>
    </message>
    <message>
        <source>次のロックファイルを使えませんでした（エラー番号 %1）。</source>
        <translation>The lock file below could not be used (error number %1).</translation>
    </message>
    <message>
        <source>遊んでいるゲームを保存できませんでした。</source>
        <translation>The game in progress could not be kept.</translation>
    </message>
    <message>
        <source>途中のゲームのファイルの場所にファイルでないものがあります。</source>
        <translation>Something that is not a file stands where the game in progress is kept.</translation>
    </message>
    <message>
        <source>途中のゲームのファイルが大きすぎます。</source>
        <translation>The file of the game in progress is too large.</translation>
    </message>
    <message>
        <source>途中のゲームのファイルを置くフォルダーがありません。</source>
        <translation>There is no folder to keep the game in progress in.</translation>
    </message>
    <message>
        <source>ほかの Lumitile が途中のゲームのファイルを使い続けています。</source>
        <translation>Another Lumitile keeps using the file of the game in progress.</translation>
    </message>
    <message>
        <source>途中のゲームのファイルを読む権限がありません。</source>
        <translation>You have no permission to read the file of the game in progress.</translation>
    </message>
    <message>
        <source>設定ファイルの場所のリンクがたどれません。</source>
        <translation>The link where the settings file should be leads nowhere.</translation>
    </message>
    <message>
        <source>途中のゲームのファイルの場所のリンクがたどれません。</source>
        <translation>The link where the game in progress is kept leads nowhere.</translation>
    </message>
    <message>
        <source>途中のゲームのファイルを読めませんでした（エラー番号 %1）。</source>
        <translation>The file of the game in progress could not be read (error number %1).</translation>
    </message>
    <message>
        <source>途中のゲームのファイルに書き込めませんでした（エラー番号 %1）。</source>
        <translation>The file of the game in progress could not be written (error number %1).</translation>
    </message>
</context>
<context>
    <name>lumitile::HelpWindow</name>
    <message>
        <source>Lumitile ヘルプ</source>
        <translation>Lumitile Help</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。</source>
        <translation>The help file %1 was not found.</translation>
    </message>
</context>
<context>
    <name>lumitile::MainWindow</name>
    <message>
        <source>ヒント %1</source>
        <translation>Hint %1</translation>
    </message>
    <message>
        <source>パネル %1</source>
        <translation>Panel %1</translation>
    </message>
    <message>
        <source>消しゴム</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>全てのパネルを消す</source>
        <translation>Clear all panels</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ</source>
        <translation>File</translation>
    </message>
    <message>
        <source>新規ゲーム</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>View</translation>
    </message>
    <message>
        <source>重複を表示</source>
        <translation>Show Clashes</translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙ</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>初級</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>中級</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <source>上級</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>超上級</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>達人</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>ﾊｲｽｺｱ...</source>
        <translation>Best Times...</translation>
    </message>
    <message>
        <source>ﾊｲｽｺｱのｸﾘｱ...</source>
        <translation>Clear Best Times...</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Lumitile ﾍﾙﾌﾟ...</source>
        <translation>Lumitile Help...</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報...</source>
        <translation>About Lumitile...</translation>
    </message>
    <message>
        <source>タイム</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>タイム %1</source>
        <translation>Time %1</translation>
    </message>
    <message>
        <source>新記録</source>
        <translation>New record</translation>
    </message>
    <message>
        <source>印刷...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>問題を入力</source>
        <translation>Enter Puzzle</translation>
    </message>
    <message>
        <source>入力終了</source>
        <translation>Finish Entry</translation>
    </message>
    <message>
        <source>次の問題</source>
        <translation>Next Puzzle</translation>
    </message>
    <message>
        <source>問題をコピー</source>
        <translation>Copy Puzzle</translation>
    </message>
    <message>
        <source>問題を貼り付け</source>
        <translation>Paste Puzzle</translation>
    </message>
    <message>
        <source>名人</source>
        <translation>Grandmaster</translation>
    </message>
    <message>
        <source>候補をすべて記入</source>
        <translation>Fill In All Candidates</translation>
    </message>
    <message>
        <source>候補をすべて消す</source>
        <translation>Clear All Candidates</translation>
    </message>
    <message>
        <source>次の一手</source>
        <translation>Next Step</translation>
    </message>
    <message>
        <source>強調表示</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <source>間違いを表示</source>
        <translation>Show Mistakes</translation>
    </message>
    <message>
        <source>9 つそろいました</source>
        <translation>All nine placed</translation>
    </message>
</context>
<context>
    <name>lumitile::Names</name>
    <message>
        <source>名前なし</source>
        <translation>No name</translation>
    </message>
</context>
<context>
    <name>lumitile::PrintChoiceWindow</name>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>この問題</source>
        <translation>This puzzle</translation>
    </message>
    <message>
        <source>新しい問題</source>
        <translation>New puzzles</translation>
    </message>
    <message>
        <source>レベル</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>問題の数</source>
        <translation>Number of puzzles</translation>
    </message>
    <message>
        <source>1ページの問題数</source>
        <translation>Puzzles per page</translation>
    </message>
</context>
<context>
    <name>lumitile::PrintPages</name>
    <message>
        <source>解答 %1 ・ %2</source>
        <translation>Solution %1 · %2</translation>
    </message>
    <message>
        <source>問題 %1 ・ %2</source>
        <translation>Puzzle %1 · %2</translation>
    </message>
    <message>
        <source>入力した問題</source>
        <translation>Entered Puzzle</translation>
    </message>
</context>
<context>
    <name>lumitile::Printing</name>
    <message>
        <source>印刷できませんでした。</source>
        <translation>The puzzles could not be printed.</translation>
    </message>
</context>
<context>
    <name>lumitile::PuzzleWords</name>
    <message>
        <source>%1の %2 が、同じ行・列・ブロックにある%3の %2 と重なっています。</source>
        <translation>The %2 at %1 repeats the %2 at %3 in the same row, column or block.</translation>
    </message>
    <message>
        <source>%1行目 %2文字目: </source>
        <translation>Line %1, character %2: </translation>
    </message>
    <message>
        <source>問題が短すぎます。マスは81個必要ですが、%1個しかありません。</source>
        <translation>The puzzle is too short: it needs 81 cells but has only %1.</translation>
    </message>
    <message>
        <source>82個目のマスがあります。問題は81マスです。</source>
        <translation>an 82nd cell; a puzzle has 81.</translation>
    </message>
    <message>
        <source>「%1」は問題に使えない文字です。
使えるのは数字 1～9、空きマスの 0 . *、読み飛ばす空白・改行と | - + です。</source>
        <translation>“%1” cannot be part of a puzzle.
Use the digits 1-9, 0 . * for an open cell, and spaces, line breaks and | - + which are skipped.</translation>
    </message>
    <message>
        <source>
この問題は読み込めません。</source>
        <translation>
The puzzle cannot be read.</translation>
    </message>
    <message>
        <source>
持ち込んだ問題なので、ハイスコアには記録されません。</source>
        <translation>
A puzzle brought in is never entered in the best times.</translation>
    </message>
    <message>
        <source>この問題には答えがありません。</source>
        <translation>This puzzle has no solution.</translation>
    </message>
    <message>
        <source>
この問題は遊べません。</source>
        <translation>
It cannot be played.</translation>
    </message>
    <message>
        <source>この問題には答えが複数あります。
きまりに合う埋め方ならどれでも完成です。ヒントはその一つを示します。</source>
        <translation>This puzzle has more than one solution.
Any filling that keeps the rules solves it; a hint shows one of them.</translation>
    </message>
    <message>
        <source>
この問題で遊びますか？</source>
        <translation>
Play this puzzle?</translation>
    </message>
    <message>
        <source>論理だけで解けます: %1 相当 (いちばん難しい技: %2)。</source>
        <translation>Logic alone solves it: %1 (hardest technique: %2).</translation>
    </message>
    <message>
        <source>論理だけでは解ききれません (名人より難しい問題です)。</source>
        <translation>Logic alone cannot finish it (harder than Grandmaster).</translation>
    </message>
    <message>
        <source>答えが一つだけの問題です。
</source>
        <translation>This puzzle has exactly one solution.
</translation>
    </message>
    <message>
        <source>Lumitile - 問題を入力中</source>
        <translation>Lumitile - Entering a Puzzle</translation>
    </message>
    <message>
        <source>Lumitile - 入力した問題</source>
        <translation>Lumitile - Entered Puzzle</translation>
    </message>
    <message>
        <source>この問題には空きマスがありません。</source>
        <translation>This puzzle has no open cell.</translation>
    </message>
</context>
<context>
    <name>lumitile::Question</name>
    <message>
        <source>配置している全てのパネルを消しますか？</source>
        <translation>Clear all the panels you placed?</translation>
    </message>
    <message>
        <source>ハイスコアをクリアします。
よろしいですか？</source>
        <translation>The best times will be cleared.
Are you sure?</translation>
    </message>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>lumitile::RecordEntryWindow</name>
    <message>
        <source>おめでとう！</source>
        <translation>Congratulations!</translation>
    </message>
    <message>
        <source>ハイスコアです。</source>
        <translation>New best time!</translation>
    </message>
    <message>
        <source>名前を入力してください。</source>
        <translation>Enter your name.</translation>
    </message>
</context>
<context>
    <name>lumitile::SpokenNews</name>
    <message>
        <source>パネル %1</source>
        <translation>Panel %1</translation>
    </message>
    <message>
        <source>消しゴム</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>ヒント %1</source>
        <translation>Hint %1</translation>
    </message>
    <message>
        <source>前回のゲームの続き %1</source>
        <translation>Last game continued, %1</translation>
    </message>
    <message>
        <source>新しいゲーム %1</source>
        <translation>New game, %1</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message numerus="yes">
        <source>%nマス</source>
        <translation>
            <numerusform>%n cell</numerusform>
            <numerusform>%n cells</numerusform>
        </translation>
    </message>
    <message>
        <source>選択を解除</source>
        <translation>Nothing picked</translation>
    </message>
    <message>
        <source>ヒント 残り%1</source>
        <translation>Hints left: %1</translation>
    </message>
    <message>
        <source>一時停止</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>再開</source>
        <translation>Resumed</translation>
    </message>
    <message>
        <source>完成 %1</source>
        <translation>Solved in %1</translation>
    </message>
    <message>
        <source>間違いがあります</source>
        <translation>There are mistakes</translation>
    </message>
    <message>
        <source>問題を入力</source>
        <translation>Enter Puzzle</translation>
    </message>
    <message>
        <source>入力した問題</source>
        <translation>Entered Puzzle</translation>
    </message>
</context>
</TS>
