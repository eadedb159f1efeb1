// Every key of the key table is in the help, in both languages, and in the
// manual page, so a key added to the table without a word for it fails here.
#include <gtest/gtest.h>

#include <QFile>
#include <QKeySequence>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include "ui/key_table.h"

namespace lumitile {
namespace {

QString Read(const char* name) {
  QFile file(QStringLiteral(LUMITILE_TESTS_DIR "/../%1").arg(QLatin1String(name)));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return QString::fromUtf8(file.readAll());
}

// The words the manual page sets in bold (.B and .BR lines), as roff wrote them.
QSet<QString> BoldWords(const QString& page) {
  QSet<QString> words;
  static const QRegularExpression apart(QStringLiteral("[\\s\",]+"));
  for (const QString& line : page.split(QLatin1Char('\n'))) {
    if (!line.startsWith(QLatin1String(".B ")) && !line.startsWith(QLatin1String(".BR "))) continue;
    for (const QString& word : line.section(QLatin1Char(' '), 1).split(apart, Qt::SkipEmptyParts)) words << word;
  }
  return words;
}

TEST(Manuals, NameEveryKeyOfTheTable) {
  const QString help = Read("assets/Lumihlp.html"), english = Read("assets/Lumihlp_en.html");
  const QSet<QString> manual = BoldWords(Read("data/lumitile.6"));
  for (const QKeySequence& key : EveryKey()) {
    const QString name = key.toString(QKeySequence::PortableText);
    const QString kbd = QStringLiteral("<kbd>%1</kbd>").arg(name);
    EXPECT_TRUE(help.contains(kbd)) << "Lumihlp.html lacks " << kbd.toStdString();
    EXPECT_TRUE(english.contains(kbd)) << "Lumihlp_en.html lacks " << kbd.toStdString();
    EXPECT_TRUE(manual.contains(QString(name).replace(QLatin1Char('-'), QLatin1String("\\-"))))
        << "lumitile.6 lacks " << name.toStdString() << " in bold";
  }
}

}  // namespace
}  // namespace lumitile
