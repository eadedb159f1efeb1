// Every key of the key table is in both helps and in the manual page, so a
// key added to the table without a word for it fails here.
#include <gtest/gtest.h>

#include <QFile>
#include <QKeySequence>
#include <QRegularExpression>

#include "ui/key_table.h"

namespace lumitile {
namespace {

QString Read(const char* name) {
  QFile file(QStringLiteral(LUMITILE_TESTS_DIR "/../") + QLatin1String(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return QString::fromUtf8(file.readAll());
}

TEST(Manuals, NameEveryKeyOfTheTable) {
  const QString help = Read("assets/Lumihlp.html"), english = Read("assets/Lumihlp_en.html");
  // The words the manual page sets in bold: its .B and .BR lines, split at spaces, quotes and commas.
  QStringList manual;
  for (const QString& line : Read("data/lumitile.6").split(QLatin1Char('\n')))
    if (line.startsWith(QLatin1String(".B ")) || line.startsWith(QLatin1String(".BR ")))
      manual << line.section(QLatin1Char(' '), 1).split(QRegularExpression(QStringLiteral("[ \",]+")));
  for (const QKeySequence& key : EveryKey()) {
    const QString name = key.toString(QKeySequence::PortableText), kbd = "<kbd>" + name + "</kbd>";
    EXPECT_TRUE(help.contains(kbd) && english.contains(kbd)) << "a help lacks " << kbd.toStdString();
    EXPECT_TRUE(manual.contains(QString(name).replace('-', QLatin1String("\\-")))) << "lumitile.6 lacks " << name.toStdString();
  }
}

}  // namespace
}  // namespace lumitile
