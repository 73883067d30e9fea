// The composed sheet, read by a real CSS parser: every sheet under tests/data/sheets is
// opened and composed by tesselo-dump, then the browser reads the original and the
// composed text. Every rule and declaration the browser finds in the original must come
// back unchanged, under the same parent and in the same order. A panel edit of every
// rule must change the edited property of that rule alone, and so must a change of the
// first property of the pages "Раскладка" and "Все свойства" in every rule, which also
// touches one line of the file.

#include "support/GeneratedRules.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace tesselo {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// The dump mode that marks every record edited, so every rule comes back in the
// composer's own form.
const QStringList kDumpArguments = {QStringLiteral("--edit-all")};
constexpr int kWaitMs = 30000;

// Every rule of the page's first sheet, nested rules inside their parent, as JSON:
// [{head, decls: [[property, value, priority]...], rules: [...]}...].
const QString kReadRules = QStringLiteral(R"JS(
(function () {
  function head(r) {
    switch (r.type) {
    case 1: return r.selectorText;
    case 3: return ('@import ' + r.href + ' ' + r.media.mediaText).trim();
    case 4: return '@media ' + r.media.mediaText;
    case 5: return '@font-face';
    case 6: return ('@page ' + r.selectorText).trim();
    case 7: return '@keyframes ' + r.name;
    case 8: return r.keyText;
    case 12: return '@supports ' + r.conditionText;
    }
    return 'rule of type ' + r.type + ': ' + r.cssText.split('{')[0].trim();
  }
  function read(list) {
    return Array.from(list, function (r) {
      var rule = {head: head(r), decls: [], rules: r.cssRules ? read(r.cssRules) : []};
      for (var i = 0; r.style && i < r.style.length; ++i) {
        var p = r.style[i];
        rule.decls.push([p, r.style.getPropertyValue(p), r.style.getPropertyPriority(p)]);
      }
      return rule;
    });
  }
  try {
    var sheet = document.styleSheets[0];
    return JSON.stringify(sheet ? read(sheet.cssRules) : {error: 'the page has no style sheet'});
  } catch (e) {
    return JSON.stringify({error: String(e)});
  }
})()
)JS");

struct Declaration {
    QString Value, Priority;
};

// One rule as the browser read it; the path names its parents ("@media print > .a"),
// and the second rule of the same head under one parent gets " (#2)".
struct RuleRead {
    QString Path, Head;
    std::map<QString, Declaration> Declarations;
    bool Nested = false;  // inside another rule
    bool InGroup = false; // directly inside an @media, @supports and their kin
};

bool IsGroupHead(const QString& head) {
    return head.startsWith(QStringLiteral("@media")) ||
           head.startsWith(QStringLiteral("@supports")) ||
           head.startsWith(QStringLiteral("rule of type"));
}
using SheetRead = std::vector<RuleRead>; // parents before their rules, in sheet order

void Flatten(const QJsonArray& rules, const QString& parent, SheetRead& out, bool inGroup = false) {
    std::map<QString, int> seen;
    for (const auto& item : rules) {
        const QJsonObject rule = item.toObject();
        RuleRead read{parent, rule["head"].toString(), {}, !parent.isEmpty(), inGroup};
        read.Path += (parent.isEmpty() ? "" : " > ") + read.Head;
        if (const int n = ++seen[read.Head]; n > 1)
            read.Path += QStringLiteral(" (#%1)").arg(n);
        for (const auto& declaration : rule["decls"].toArray()) {
            const QJsonArray d = declaration.toArray();
            read.Declarations[d[0].toString()] = {d[1].toString(), d[2].toString()};
        }
        const QString path = read.Path; // out grows under the nested call
        const bool group = IsGroupHead(read.Head);
        out.push_back(std::move(read));
        Flatten(rule["rules"].toArray(), path, out, group);
    }
}

// Three differences are forgiven, nothing else. Runs of blanks count as one blank and
// blanks at either end count for nothing: CSS reads them so, and the editor folds
// blanks when it rewrites a rule. Font family names are compared without regard to
// ASCII letter case (unless they name a variable): CSS matches them so, and the editor
// shows recognised names in upper case. The sixteen colour names count as the colours
// they name: the editor writes a colour by its name where it has one.
QString FoldBlanks(const QString& value) {
    QString folded;
    bool blank = false;
    for (const QChar c : value) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
            blank = true;
            continue;
        }
        if (blank && !folded.isEmpty())
            folded += ' ';
        blank = false;
        folded += c;
    }
    return folded;
}

QString Comparable(const QString& property, const QString& value) {
    QString comparable = FoldBlanks(value);
    if (property == "font-family" && !comparable.contains('('))
        for (QChar& c : comparable)
            if (c >= 'A' && c <= 'Z')
                c = QChar(c.unicode() + ('a' - 'A'));
    static const std::pair<const char*, const char*> kNamed[] = {
        {"black", "rgb(0, 0, 0)"},      {"silver", "rgb(192, 192, 192)"},
        {"gray", "rgb(128, 128, 128)"}, {"white", "rgb(255, 255, 255)"},
        {"maroon", "rgb(128, 0, 0)"},   {"red", "rgb(255, 0, 0)"},
        {"purple", "rgb(128, 0, 128)"}, {"fuchsia", "rgb(255, 0, 255)"},
        {"green", "rgb(0, 128, 0)"},    {"lime", "rgb(0, 255, 0)"},
        {"olive", "rgb(128, 128, 0)"},  {"yellow", "rgb(255, 255, 0)"},
        {"navy", "rgb(0, 0, 128)"},     {"blue", "rgb(0, 0, 255)"},
        {"teal", "rgb(0, 128, 128)"},   {"aqua", "rgb(0, 255, 255)"}};
    if (property.endsWith("color"))
        for (const auto& [name, rgb] : kNamed)
            if (comparable.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return QString::fromLatin1(rgb);
    return comparable;
}

QString Show(const QString& path, const QString& property, const Declaration& d) {
    return path + " { " + property + ": " + FoldBlanks(d.Value) +
           (d.Priority.isEmpty() ? "" : " !" + d.Priority) + " }";
}

void CompareDeclarations(const RuleRead& before, const RuleRead& after, QStringList& faults) {
    for (const auto& [property, was] : before.Declarations) {
        const auto now = after.Declarations.find(property);
        if (now == after.Declarations.end())
            faults << "declaration lost: " + Show(before.Path, property, was);
        else if (Comparable(property, was.Value) != Comparable(property, now->second.Value) ||
                 was.Priority != now->second.Priority)
            faults << "declaration changed: " + Show(before.Path, property, was) + " became" +
                          Show("", property, now->second);
    }
    for (const auto& [property, now] : after.Declarations)
        if (!before.Declarations.contains(property))
            faults << "declaration added: " + Show(after.Path, property, now);
}

QStringList Differences(const SheetRead& original, const SheetRead& composed) {
    QStringList faults;
    std::map<QString, size_t> composedAt;
    for (size_t i = 0; i < composed.size(); ++i)
        composedAt[composed[i].Path] = i;
    std::set<QString> matched;
    std::vector<const RuleRead*> lost, added;
    const RuleRead* previous = nullptr;
    for (const RuleRead& rule : original) {
        const auto at = composedAt.find(rule.Path);
        if (at == composedAt.end()) {
            lost.push_back(&rule);
            continue;
        }
        matched.insert(rule.Path);
        CompareDeclarations(rule, composed[at->second], faults);
        if (previous && at->second < composedAt[previous->Path])
            faults << "rule out of order: " + rule.Path + " now comes before " + previous->Path;
        previous = &rule;
    }
    for (const RuleRead& rule : composed)
        if (!matched.contains(rule.Path))
            added.push_back(&rule);
    // A rule lost in one place and added in another under the same head has moved.
    for (const RuleRead* rule : lost) {
        const auto twin = std::find_if(added.begin(), added.end(),
                                       [&](const RuleRead* a) { return a->Head == rule->Head; });
        if (twin == added.end()) {
            faults << "rule lost: " + rule->Path;
            continue;
        }
        faults << "rule moved: " + rule->Path + " -> " + (*twin)->Path;
        CompareDeclarations(*rule, **twin, faults);
        added.erase(twin);
    }
    for (const RuleRead* rule : added)
        faults << "rule added: " + rule->Path;
    return faults;
}

// One change the dump made in the panel: the record, the property and the value it
// must now have, and the record's lines before and after.
struct DumpEdit {
    int Record = -1;
    QString Property, Value, Control;
    std::string Old, New;
    // The first and the last line of the rule's block in the file as read, from 1; 0
    // when the dump does not say.
    size_t FirstLine = 0, LastLine = 0;
};

struct DumpOutput {
    // Of every record, in sheet order, and the end of each group after its rules.
    std::vector<std::string> Selectors;
    std::vector<char> Kinds; // 'r' a rule, 'g' a group, 'e' the end of a group
    std::vector<DumpEdit> Edits;
    QStringList Refused; // "record<TAB>property<TAB>value" of the changes refused
    std::string Sheet;   // the composed sheet, lines joined with LF
};

std::optional<DumpOutput> RunDump(const QString& mode, const std::string& sheet) {
    QProcess dump;
    dump.start(QStringLiteral(TESSELO_DUMP), QStringList{mode, sheet.c_str()});
    const bool ran = dump.waitForFinished(kWaitMs) && dump.exitStatus() == QProcess::NormalExit;
    if (!ran || dump.exitCode() != 0) {
        ADD_FAILURE() << "tesselo-dump "
                      << (ran ? "exited with " + std::to_string(dump.exitCode())
                              : dump.errorString().toStdString())
                      << ": " << dump.readAllStandardError().toStdString()
                      << dump.readAllStandardOutput().toStdString();
        return std::nullopt;
    }
    DumpOutput out;
    for (const QByteArray& line : dump.readAllStandardOutput().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        const QByteArray tag = line.left(tab);
        const std::string text = line.mid(tab + 1).toStdString();
        if (tag == "sheet") {
            out.Sheet += text + "\n";
        } else if (tag == "rule" || tag == "group" || tag == "end") {
            out.Selectors.push_back(text);
            out.Kinds.push_back(tag == "rule" ? 'r' : tag == "group" ? 'g' : 'e');
        } else if (tag == "edit") {
            const QList<QByteArray> f = line.mid(tab + 1).split('\t');
            if (f.size() == 4)
                out.Edits.push_back({f[0].toInt(),
                                     QString::fromUtf8(f[1]),
                                     QString::fromUtf8(f[2]),
                                     QString::fromUtf8(f[3]),
                                     {},
                                     {}});
        } else if (tag == "lines" && !out.Edits.empty()) {
            const QList<QByteArray> f = line.mid(tab + 1).split('\t');
            if (f.size() == 2) {
                out.Edits.back().FirstLine = f[0].toULongLong();
                out.Edits.back().LastLine = f[1].toULongLong();
            }
        } else if (tag == "refused") {
            out.Refused << QString::fromUtf8(line.mid(tab + 1));
        } else if ((tag == "old" || tag == "new") && !out.Edits.empty()) {
            (tag == "old" ? out.Edits.back().Old : out.Edits.back().New) += text + "\n";
        }
    }
    return out;
}

// How many declarations of the panel's properties the sheet's rules hold, outside
// the rules with nested blocks, as tesselo-dump counts them; -1 when it fails.
int PanelDeclarations(const std::string& sheet) {
    QProcess dump;
    dump.start(QStringLiteral(TESSELO_DUMP), QStringList{"--coverage", sheet.c_str()});
    if (!dump.waitForFinished(kWaitMs) || dump.exitCode() != 0)
        return -1;
    const auto match =
        QRegularExpression("^sheet\\t.*\\ttaken \\d+/(\\d+)", QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(dump.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The lines of a text, without the "\r" of CRLF line ends, a UTF-8 byte-order mark or
// the empty line after the last line end.
std::vector<std::string> TextLines(std::string text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        if (lines.back().ends_with('\r'))
            lines.back().pop_back();
        start = end + 1;
    }
    return lines;
}

// What the edits did to the lines of the file: changing a value in place, each edit
// keeps the lines of the sheet and changes one line of its rule's block, and no line
// outside the blocks of the edited rules changes. Rules that share a line share its
// change.
QStringList LineFaults(const std::string& original, const std::string& written,
                       const std::vector<DumpEdit>& edits) {
    const std::vector<std::string> before = TextLines(original);
    const std::vector<std::string> after = TextLines(written);
    QStringList faults;
    auto show = [](const std::string& line) { return QString::fromStdString(line).trimmed(); };
    if (before.size() != after.size()) {
        size_t at = 0;
        while (at < before.size() && at < after.size() && before[at] == after[at])
            ++at;
        faults << QStringLiteral("the written sheet has %1 lines, the original %2; the first "
                                 "difference on line %3: %4")
                      .arg(after.size())
                      .arg(before.size())
                      .arg(at + 1)
                      .arg(at < after.size() ? show(after[at]) : QStringLiteral("(the end)"));
        return faults;
    }
    // changed[k]: how many lines before line k + 1 differ.
    std::vector<size_t> changed(before.size() + 1, 0);
    for (size_t k = 0; k < before.size(); ++k)
        changed[k + 1] = changed[k] + (before[k] != after[k] ? 1 : 0);
    std::vector<bool> covered(before.size(), false);
    for (const DumpEdit& edit : edits) {
        if (edit.FirstLine == 0 || edit.LastLine < edit.FirstLine ||
            edit.LastLine > before.size()) {
            faults << QStringLiteral("record %1: no lines of its block").arg(edit.Record);
            continue;
        }
        const size_t touched = changed[edit.LastLine] - changed[edit.FirstLine - 1];
        if (touched != 1)
            faults << QStringLiteral("record %1 (lines %2-%3) { %4: %5 }: %6 lines changed")
                          .arg(edit.Record)
                          .arg(edit.FirstLine)
                          .arg(edit.LastLine)
                          .arg(edit.Property, edit.Value)
                          .arg(touched);
        for (size_t k = edit.FirstLine - 1; k < edit.LastLine; ++k)
            covered[k] = true;
    }
    for (size_t k = 0; k < before.size(); ++k)
        if (before[k] != after[k] && !covered[k])
            faults << QStringLiteral("line %1 changed by no edit: %2 -> %3")
                          .arg(k + 1)
                          .arg(show(before[k]), show(after[k]));
    return faults;
}

// The sheet as tesselo-dump composes it, every rule written anew.
std::optional<std::string> Compose(const std::string& sheet) {
    auto out = RunDump(kDumpArguments[0], sheet);
    return out ? std::optional<std::string>(out->Sheet) : std::nullopt;
}

class RealParserCheck : public ::testing::Test {
protected:
    static void SetUpTestSuite() { page_ = new QWebEnginePage; }
    static void TearDownTestSuite() {
        delete page_;
        page_ = nullptr;
    }

    // Writes the text as NAME.css, loads a page NAME.html that links it and returns
    // every rule the browser read from it.
    static std::optional<SheetRead> Read(const TempDir& dir, const std::string& name,
                                         const std::string& css) {
        WriteBytes(dir.File(name + ".css"), css);
        WriteBytes(dir.File(name + ".html"),
                   "<!doctype html><html><head><meta charset=\"utf-8\"><link rel=\"stylesheet\""
                   " href=\"" +
                       name + ".css\"></head><body></body></html>");
        // Shared with the callbacks, which may come after a time-out.
        auto loaded = std::make_shared<std::optional<bool>>();
        auto json = std::make_shared<std::optional<QString>>();
        const auto connection = QObject::connect(page_, &QWebEnginePage::loadFinished,
                                                 [loaded](bool ok) { *loaded = ok; });
        page_->load(QUrl::fromLocalFile(QString::fromStdString(dir.File(name + ".html"))));
        const bool finished = QTest::qWaitFor([&] { return loaded->has_value(); }, kWaitMs);
        QObject::disconnect(connection);
        if (!finished || !**loaded) {
            ADD_FAILURE() << name << ".html: " << (finished ? "did not load" : "load timed out");
            return std::nullopt;
        }
        page_->runJavaScript(kReadRules,
                             [json](const QVariant& result) { *json = result.toString(); });
        if (!QTest::qWaitFor([&] { return json->has_value(); }, kWaitMs)) {
            ADD_FAILURE() << name << ".html: no answer from the page's script";
            return std::nullopt;
        }
        const QJsonDocument document = QJsonDocument::fromJson((*json)->toUtf8());
        if (!document.isArray()) {
            ADD_FAILURE() << name << ".html: " << (*json)->toStdString();
            return std::nullopt;
        }
        SheetRead read;
        Flatten(document.array(), QString(), read);
        return read;
    }

    static inline QWebEnginePage* page_ = nullptr;
};

// The comparison itself: it names every change and forgives only blanks and the case
// of font family names.
TEST_F(RealParserCheck, DifferencesNameEveryChangeButBlanksFamilyCaseAndColourNames) {
    TempDir dir;
    const auto before = Read(dir, "before",
                             "p { color: red; padding-top: 0 !important; --gap: 1px  2px;\n"
                             "    --name: Abc; font-family: Arial, serif; background-color: #fff;\n"
                             "    outline-color: var(--Edge) }\n"
                             "@media print { .a { color: blue; width: calc(1px + 2em) }\n"
                             "    .b { color: green } }\n"
                             "h1 { margin: 0 } h2 { margin: 0 }\n");
    const auto after = Read(dir, "after",
                            "p { color: #f01; padding-top: 0; --gap:1px 2px; --name: abc;\n"
                            "    font-family: ARIAL,  SERIF; top: 0; background-color: WHITE;\n"
                            "    outline-color: VAR(--EDGE) }\n"
                            "@media print { .a { width: calc(1px +\n 2em) } }\n"
                            ".b { color: green }\n"
                            "h2 { margin: 0 } h1 { margin: 0 }\n");
    ASSERT_TRUE(before && after);
    EXPECT_EQ(Differences(*before, *after).join('\n').toStdString(),
              "declaration changed: p { --name: Abc } became { --name: abc }\n"
              "declaration changed: p { color: red } became { color: rgb(255, 0, 17) }\n"
              "declaration changed: p { outline-color: var(--Edge) } became { outline-color: "
              "VAR(--EDGE) }\n"
              "declaration changed: p { padding-top: 0px !important } became { padding-top: 0px }\n"
              "declaration added: p { top: 0px }\n"
              "declaration lost: @media print > .a { color: blue }\n"
              "rule out of order: h2 now comes before h1\n"
              "rule moved: @media print > .b -> .b");
}

class RealParserSheet : public RealParserCheck,
                        public ::testing::WithParamInterface<std::string> {};

TEST_P(RealParserSheet, ComposedReadsAsTheOriginal) {
    const std::string sheet = GetParam();
    const auto composed = Compose(sheet);
    ASSERT_TRUE(composed);
    TempDir dir;
    const auto original = Read(dir, "original", ReadBytes(sheet));
    ASSERT_TRUE(original);
    ASSERT_FALSE(original->empty()) << "the browser found no rule in " << sheet;
    const auto read = Read(dir, "composed", *composed);
    ASSERT_TRUE(read);
    const QStringList faults = Differences(*original, *read);
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " differences:\n"
                                  << faults.join('\n').toStdString() << "\n\ncomposed sheet:\n"
                                  << *composed;
}

// What a panel edit should leave: the original rules with the edited property of
// each edited rule as the browser reads the new value, and nothing else changed.
// The browser itself says which rule a record is and what the value means: a probe
// sheet holds, for every record, its selector with the new declaration, each behind a
// marker rule of its own.
class RealParserEdit : public RealParserCheck, public ::testing::WithParamInterface<std::string> {
public:
    // The faults of the panel edit of every rule of the sheet, each with the edit it
    // concerns; empty when every edit took and nothing else changed.
    static QStringList EditFaults(const std::string& sheet) {
        const auto dump = RunDump(QStringLiteral("--edit-one"), sheet);
        if (!dump)
            return {"tesselo-dump failed"};
        return EditFaults(sheet, *dump);
    }

    // The same of the edits a dump made of the sheet.
    static QStringList EditFaults(const std::string& sheet, const DumpOutput& dump) {
        TempDir dir;
        const auto original = Read(dir, "original", ReadBytes(sheet));
        const auto edited = Read(dir, "edited", dump.Sheet);
        std::map<int, const DumpEdit*> edits;
        std::string probe;
        for (const DumpEdit& edit : dump.Edits)
            edits[edit.Record] = &edit;
        // The records by their numbers in the document: the ends of groups are none.
        std::vector<size_t> lineOf;
        for (size_t line = 0; line < dump.Selectors.size(); ++line) {
            if (dump.Kinds[line] == 'e') {
                probe += "}\n";
                continue;
            }
            const size_t i = lineOf.size();
            lineOf.push_back(line);
            if (dump.Kinds[line] == 'g') {
                probe += dump.Selectors[line] + " {\n";
                continue;
            }
            probe += "#tesselo-probe-" + std::to_string(i) + " {}\n" + dump.Selectors[line] + " { ";
            if (const auto e = edits.find(static_cast<int>(i)); e != edits.end())
                probe += (e->second->Property + ": " + e->second->Value).toStdString();
            probe += " }\n";
        }
        const auto probed = Read(dir, "probe", probe);
        if (!original || !edited || !probed)
            return {"the browser did not read the sheets"};

        // Each record's rule as the browser names it, and its reading of the new value.
        // The probe holds the records' rules in their order among the markers, so a rule
        // of a selector used before is numbered as in the original ("hr (#2)").
        std::vector<const RuleRead*> ofRecord(lineOf.size(), nullptr);
        int record = -1;
        for (const RuleRead& rule : *probed) {
            if ((rule.Nested && !rule.InGroup) || IsGroupHead(rule.Head))
                continue; // a group, or inside a rule's own nested block
            if (rule.Head.startsWith("#tesselo-probe-"))
                record = rule.Head.mid(15).toInt();
            else if (record >= 0 && record < static_cast<int>(ofRecord.size()))
                ofRecord[static_cast<size_t>(record)] = &rule;
        }
        SheetRead expected = *original;
        QStringList faults;
        std::map<QString, const DumpEdit*> editAt;
        for (size_t i = 0; i < ofRecord.size(); ++i) {
            if (!ofRecord[i])
                continue;
            const QString& path = ofRecord[i]->Path;
            const auto e = edits.find(static_cast<int>(i));
            if (e == edits.end())
                continue;
            const auto rule = std::find_if(expected.begin(), expected.end(),
                                           [&](const RuleRead& r) { return r.Path == path; });
            if (rule == expected.end())
                continue; // the browser reads no such rule: nothing can change
            editAt[path] = e->second;
            if (ofRecord[i]->Declarations.empty())
                faults << "new value refused: " + path + " { " + e->second->Property + ": " +
                              e->second->Value + " }";
            for (const auto& [property, value] : ofRecord[i]->Declarations) {
                const auto was = rule->Declarations.find(property);
                rule->Declarations[property] = {value.Value, was == rule->Declarations.end()
                                                                 ? QString()
                                                                 : was->second.Priority};
            }
        }
        if (editAt.empty())
            faults << QStringLiteral("no edit reached a rule the browser reads: %1 edits of %2 "
                                     "records")
                          .arg(dump.Edits.size())
                          .arg(lineOf.size());
        faults += Differences(expected, *edited);

        // Each fault with the edit of its rule: the property, the old and the new text.
        QStringList report;
        std::set<QString> shown;
        for (const QString& fault : faults) {
            report << fault;
            for (const auto& [path, edit] : editAt) {
                if (!fault.contains(": " + path + " {") || !shown.insert(path).second)
                    continue;
                report << "    edit: " + edit->Control + " -> " + edit->Property + ": " +
                              edit->Value;
                report << "    old:  " + QString::fromStdString(edit->Old).trimmed().replace(
                                             "\n", "\n          ");
                report << "    new:  " + QString::fromStdString(edit->New).trimmed().replace(
                                             "\n", "\n          ");
            }
        }
        return report;
    }
};

TEST_P(RealParserEdit, OneControlSetInEveryRuleChangesThatPropertyAlone) {
    if (PanelDeclarations(GetParam()) == 0)
        GTEST_SKIP() << "no rule outside the nested blocks holds a property of the panel";
    const QStringList faults = EditFaults(GetParam());
    EXPECT_TRUE(faults.isEmpty()) << faults.filter(QRegularExpression("^\\S")).size()
                                  << " differences:\n"
                                  << faults.join('\n').toStdString();
}

// The check itself: edits that reach no rule the browser reads are a fault, not a pass.
TEST_F(RealParserCheck, EditsThatReachNoRuleAreAFault) {
    TempDir dir;
    const std::string sheet = dir.File("unread.css");
    WriteBytes(sheet, "p:no-such-class { margin-top: 3px }\n");
    EXPECT_EQ(RealParserEdit::EditFaults(sheet).join('\n').toStdString(),
              "no edit reached a rule the browser reads: 1 edits of 1 records");
}

// Rules as today's sheets write them, made from a fixed seed, keep their meaning when
// every rule is written anew, and take a panel edit of each.
TEST_F(RealParserCheck, GeneratedRulesKeepTheirMeaningWrittenAnew) {
    TempDir dir;
    const std::string sheet = dir.File("generated.css");
    WriteBytes(sheet, testing::GenerateRules(20240611, 300));
    const auto composed = Compose(sheet);
    ASSERT_TRUE(composed);
    const auto original = Read(dir, "original", ReadBytes(sheet));
    const auto read = Read(dir, "composed", *composed);
    ASSERT_TRUE(original && read);
    ASSERT_GE(original->size(), 300u);
    const QStringList faults = Differences(*original, *read);
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " differences:\n"
                                  << faults.join('\n').toStdString();
}

TEST_F(RealParserCheck, GeneratedRulesTakeAPanelEditOfEachRule) {
    TempDir dir;
    const std::string sheet = dir.File("generated.css");
    WriteBytes(sheet, testing::GenerateRules(20240611, 300));
    const QStringList faults = RealParserEdit::EditFaults(sheet);
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
}

// Every rule's first property of the pages "Раскладка" and "Все свойства" set to another
// value its control holds, through the session's operation: the browser reads the new
// value in that rule and every other declaration of the sheet as it was, and each change
// is one line of the file.
class RealParserSet : public RealParserCheck, public ::testing::WithParamInterface<std::string> {
public:
    // The faults of the changes the dump made of the sheet, each named.
    static QStringList SetFaults(const std::string& sheet, const DumpOutput& dump) {
        QStringList faults;
        for (const QString& refused : dump.Refused)
            faults << "change refused: record " + QString(refused).replace('\t', ' ');
        faults += RealParserEdit::EditFaults(sheet, dump);
        faults += LineFaults(ReadBytes(sheet), dump.Sheet, dump.Edits);
        return faults;
    }
};

TEST_P(RealParserSet, FirstLayoutOrAllPagesPropertyOfEveryRuleChangesAloneOnOneLine) {
    const auto dump = RunDump(QStringLiteral("--set-each"), GetParam());
    ASSERT_TRUE(dump);
    if (dump->Edits.empty() && dump->Refused.empty())
        GTEST_SKIP() << "no rule outside the nested blocks holds a property of those pages";
    const QStringList faults = SetFaults(GetParam(), *dump);
    EXPECT_TRUE(faults.isEmpty()) << faults.filter(QRegularExpression("^\\S")).size()
                                  << " differences:\n"
                                  << faults.join('\n').toStdString();
}

// The line check itself: a change outside the edited rules, an edit that touched two
// lines and one that added a line are all named.
TEST(RealParserLines, ChangesOutsideOneLineOfTheEditedBlockAreFaults) {
    const std::string original = "a {\n  order: 1;\n  width: 1px;\n}\nb { order: 1 }\n";
    std::vector<DumpEdit> edits(1);
    edits[0].Record = 0;
    edits[0].Property = "order";
    edits[0].Value = "2";
    edits[0].FirstLine = 1;
    edits[0].LastLine = 4;
    EXPECT_EQ(LineFaults(original, "a {\n  order: 2;\n  width: 1px;\n}\nb { order: 1 }", edits),
              QStringList());
    EXPECT_EQ(LineFaults(original, "a {\n  order: 2;\n  width: 2px;\n}\nb { order: 3 }\n", edits)
                  .join('\n')
                  .toStdString(),
              "record 0 (lines 1-4) { order: 2 }: 2 lines changed\n"
              "line 5 changed by no edit: b { order: 1 } -> b { order: 3 }");
    EXPECT_EQ(LineFaults(original,
                         "a {\n  order: 1;\n  order: 2;\n  width: 1px;\n}\nb { order: 1 }\n", edits)
                  .join('\n')
                  .toStdString(),
              "the written sheet has 6 lines, the original 5; the first difference on line 3: "
              "order: 2;");
}

// The sheets under tests/data/sheets and the real sheets of Debian's packages, as CMake
// found them.
std::vector<std::string> SheetFiles() {
    std::vector<std::string> files;
    for (const QString& file : QStringLiteral(TESSELO_SHEETS).split('|', Qt::SkipEmptyParts))
        files.push_back(file.toStdString());
    return files;
}

// A real sheet is named by its place under the packages' folder, since two packages
// hold a "bootstrap.css".
std::string SheetTestName(const ::testing::TestParamInfo<std::string>& info) {
    const std::string packages = "/usr/share/javascript/";
    std::string name = info.param.starts_with(packages)
                           ? info.param.substr(packages.size())
                           : std::filesystem::path(info.param).stem().string();
    if (name.ends_with(".css"))
        name.resize(name.size() - 4);
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Sheets, RealParserSheet, ::testing::ValuesIn(SheetFiles()), SheetTestName);
INSTANTIATE_TEST_SUITE_P(Sheets, RealParserEdit, ::testing::ValuesIn(SheetFiles()), SheetTestName);
INSTANTIATE_TEST_SUITE_P(Sheets, RealParserSet, ::testing::ValuesIn(SheetFiles()), SheetTestName);

} // namespace
} // namespace tesselo
