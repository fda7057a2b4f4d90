#include "ProcessorTestSupport.h"

#include "GuardedXml.h"
#include "ScopedTemporaryHome.h"
#include "StateChunk.h"
#include "Utf8.h"
#include "WatchedPipe.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{
juce::String nested(int depth, const juce::String& inner = {})
{
    return juce::String::repeatedString("<a>", depth) + inner +
           juce::String::repeatedString("</a>", depth);
}

juce::String wholeState(const juce::String& properties)
{
    return "<velmorPatch version=\"1.0\"><Properties deviceProductID=\"com.velmor.StompixZR7714\" "
           "deviceVersion=\"1.0.1\" "
           "presetVersion=\"1.0\" " +
           properties + "</Properties></velmorPatch>";
}

juce::String channel(const juce::String& path, const juce::String& values)
{
    return "<Channel channel=\"0\" presetPath=\"" + path + "\">" + values + "</Channel>";
}

juce::String number(const char* key, const char* text)
{
    return juce::String("<Value property=\"") + key + "\" type=\"number\">" + text + "</Value>";
}

TEST(GuardedXml, AcceptsTheDocumentsAndPlainXml)
{
    StompixZR7714AudioProcessor processor;

    for (const auto& text :
         {singleLine(processor.writePreset(false)), singleLine(processor.writePreset(true)),
          processor.writeCurrentProgram().toString(), // with a declaration and indentation
          juce::String(
              "<!-- note --><?pi x?><a b='1' c = \"&amp;&lt;&#233;&#x1F600;\"><![CDATA[<<<]]>"
              "<b/> text &gt; <!-- <c> --></a> trailing <junk"),
          nested(5)})
        EXPECT_TRUE(GuardedXml::isAcceptable(text)) << text;

    EXPECT_NE(GuardedXml::parse(nested(5)), nullptr);
}

TEST(GuardedXml, RefusesWhatCouldNestDeeperOrBeReadDifferently)
{
    const juce::String refused[]{
        nested(6),
        nested(100000),
        "<a>" + nested(3000).replace("</a>", "</a >"),
        // A DOCTYPE's entities expand recursively in the framework's parser.
        "<!DOCTYPE a [<!ENTITY x \"&x;\">]><a>&x;</a>",
        // An unknown entity makes the parser skip to the next ';', past close tags.
        "<a>&q</a>;" + nested(10),
        "<a>&#123456789012345</a>",
        "<a>&#x;</a>",
        "<a>&#0;</a>",
        // An unquoted attribute ends the tag early for the parser.
        "<a b=c d=\">" + nested(10) + "\"></a>",
        "<a b=\"<\"></a>",
        "<a b=\"1\"c=\"2\"></a>",
        "< a></a>",
        "<a\xc3\xa9></a>",
        "<a><!-- unterminated </a>",
        "<a><![CDATA[ unterminated </a>",
        "<a>",
        "not xml at all",
        "",
        "<a><!b></a>",
        // A processing instruction followed by text: the framework's parser never returns.
        "<a><?pi x?>text</a>",
        "<a><b/><?pi x?></a>",
    };

    for (const auto& text : refused)
    {
        EXPECT_FALSE(GuardedXml::isAcceptable(text)) << text.substring(0, 80);
        EXPECT_EQ(GuardedXml::parse(text), nullptr);
    }
}

// The framework keeps malformed UTF-8 as it is and its character walk can then step past the
// end of the text; every malformed sequence becomes U+FFFD first.
TEST(Utf8, MalformedSequencesBecomeReplacementCharacters)
{
    struct Case
    {
        const char* bytes;
        const char* text;
    };

    const Case cases[]{
        {"plain \xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80",
         "plain \xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"},
        {"cut \xf0\x9f", "cut \xef\xbf\xbd\xef\xbf\xbd"},
        {"lone \x80 continuation", "lone \xef\xbf\xbd continuation"},
        {"overlong \xc0\xbc", "overlong \xef\xbf\xbd\xef\xbf\xbd"},
        {"surrogate \xed\xa0\x80", "surrogate \xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
        {"too large \xf4\x90\x80\x80",
         "too large \xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
        {"lead before quote \xf0\"", "lead before quote \xef\xbf\xbd\""},
    };

    for (const auto& c : cases)
        EXPECT_EQ(Utf8::toValidText(c.bytes, std::strlen(c.bytes)), juce::String::fromUTF8(c.text))
            << c.bytes;

    // A preset path with a malformed byte is read, the byte replaced.
    StompixZR7714AudioProcessor processor;
    const auto text = singleLine(processor.writePreset(false)).replace("Init.vzrp", "Cafe.vzrp");
    juce::MemoryBlock chunk = chunkOf(text);
    auto* bytes = static_cast<char*>(chunk.getData());
    const auto position = juce::String(bytes + 8).indexOf("Caf") + 3;
    bytes[8 + position] = (char)0xe9; // a Latin-1 e-acute: not UTF-8
    setState(processor, chunk);
    EXPECT_EQ(processor.getProgramSlot(0).presetPath[0],
              juce::String::fromUTF8("Caf\xef\xbf\xbd.vzrp"));
}

TEST(GuardedXml, PresetFilesAreReadThroughTheSameGuard)
{
    juce::TemporaryFile good(".vzrp"), deep(".vzrp"), large(".vzrp");
    StompixZR7714AudioProcessor processor;
    ASSERT_TRUE(processor.writePreset(true).writeTo(good.getFile()));
    ASSERT_TRUE(deep.getFile().replaceWithText(nested(50000)));
    ASSERT_TRUE(large.getFile().replaceWithText("<a>" + juce::String::repeatedString("x", 2 << 20) +
                                                "</a>"));

    auto document = GuardedXml::parse(good.getFile());
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(processor.readPreset(std::move(document), true), 1);
    EXPECT_EQ(GuardedXml::parse(deep.getFile()), nullptr);
    EXPECT_EQ(GuardedXml::parse(large.getFile()), nullptr);
    EXPECT_EQ(GuardedXml::parse(juce::File("/nonexistent/preset.vzrp")), nullptr);
}

TEST(GuardedXml, OnlyRegularFilesWithinTheBoundAreRead)
{
    // A fresh folder that goes however the test ends (HOME points there meanwhile, unread here).
    const testsupport::ScopedTemporaryHome home("stompix-special-files");
    const auto folder = home.folder();
    ASSERT_TRUE(folder.isDirectory());
    const auto file = [&folder](const char* name) { return folder.getChildFile(name); };

    StompixZR7714AudioProcessor processor;
    ASSERT_TRUE(processor.writePreset(true).writeTo(file("Preset.vzrp")));
    // The preset followed by white space, up to the bound and one byte beyond.
    juce::MemoryBlock padded;
    ASSERT_TRUE(file("Preset.vzrp").loadFileAsData(padded));
    const std::string spaces((size_t)GuardedXml::maxFileSize - padded.getSize(), ' ');
    padded.append(spaces.data(), spaces.size());
    ASSERT_TRUE(file("AtTheBound.vzrp").replaceWithData(padded.getData(), padded.getSize()));
    padded.append(" ", 1);
    ASSERT_TRUE(file("Beyond.vzrp").replaceWithData(padded.getData(), padded.getSize()));

    // Opening the pipe would wait for a writer for ever, reading the device would go on until
    // memory runs out: neither is opened.
    const testsupport::WatchedPipe pipe(file("Pipe.vzrp"));
    ASSERT_TRUE(pipe.exists());
    ASSERT_TRUE(juce::File("/dev/zero").createSymbolicLink(file("Zero.vzrp"), true));
    ASSERT_TRUE(file("Preset.vzrp").createSymbolicLink(file("Link.vzrp"), true));
    ASSERT_TRUE(file("Gone.vzrp").createSymbolicLink(file("Dangling.vzrp"), true));
    ASSERT_TRUE(file("Folder.vzrp").createDirectory());

    for (const auto& [name, parses] :
         std::vector<std::pair<const char*, bool>>{{"Preset.vzrp", true},
                                                   {"Link.vzrp", true},
                                                   {"AtTheBound.vzrp", true},
                                                   {"Beyond.vzrp", false},
                                                   {"Pipe.vzrp", false},
                                                   {"Dangling.vzrp", false},
                                                   {"Folder.vzrp", false}})
        EXPECT_EQ(GuardedXml::parse(file(name)) != nullptr, parses) << name;
    EXPECT_EQ(pipe.readersLetGo(), 0) << "the pipe was opened to be read";
    EXPECT_EQ(GuardedXml::parse(file("Zero.vzrp")), nullptr);
}

class BadChunks : public ::testing::Test
{
protected:
    void SetUp() override
    {
        processor.setCurrentProgram(3);
        processor.setParameter(kRate, 0.3f);
        before = stateOf(processor);
    }

    void expectUnchanged(const juce::MemoryBlock& chunk, const char* what)
    {
        processor.setStateInformation(chunk.getData(), (int)chunk.getSize());
        processor.setCurrentProgramStateInformation(chunk.getData(), (int)chunk.getSize());
        EXPECT_EQ(stateOf(processor), before) << what;
    }

    StompixZR7714AudioProcessor processor;
    juce::MemoryBlock before;
};

TEST_F(BadChunks, UnreadableChunksChangeNothing)
{
    const auto good = stateOf(processor);

    juce::MemoryBlock truncated(good.getData(), good.getSize() / 2);
    expectUnchanged(truncated, "truncated");

    juce::MemoryBlock header(good.getData(), 8);
    expectUnchanged(header, "header only");

    auto oversized = good;
    juce::ByteOrder::littleEndianInt(oversized.getData());
    static_cast<juce::uint32*>(oversized.getData())[1] = 0xffffffffu;
    oversized.setSize(oversized.getSize() - 20);
    expectUnchanged(oversized, "length beyond the data");

    auto wrongMagic = good;
    static_cast<char*>(wrongMagic.getData())[0] = 'X';
    expectUnchanged(wrongMagic, "wrong magic");

    expectUnchanged(chunkOf("<velmorPatch>" + nested(5000) + "</velmorPatch>"), "deeply nested");
    expectUnchanged(chunkOf("\x01\x02 garbage \xff\xfe"), "not XML");
    expectUnchanged(chunkOf(juce::String()), "empty");

    // A multi-byte character cut off by the end of the data.
    juce::MemoryBlock cut;
    cut.append("VC2!", 4);
    const juce::uint32 length = 3;
    cut.append(&length, 4);
    cut.append("<\xe2\x82", 3);
    expectUnchanged(cut, "cut character");

    processor.setStateInformation(nullptr, 100);
    processor.setStateInformation(good.getData(), -5);
    EXPECT_EQ(stateOf(processor), before);
}

// Without a "Properties" element a whole state holds nothing to read: the program in use and
// every slot's channel stay as they are.
TEST_F(BadChunks, DocumentsWithoutPropertiesChangeNothing)
{
    processor.getCurrentProgramSlot().activeChannel = 1;
    processor.setCurrentProgram(0);
    processor.getCurrentProgramSlot().activeChannel = 1;
    processor.setCurrentProgram(3);
    before = stateOf(processor);

    for (const char* xml :
         {"<velmorPatch/>", "<VELMORPATCH/>",
          R"(<velmorPatch version="1.0"><DeviceName>Stompix ZR7714</DeviceName></velmorPatch>)",
          R"(<velmorPatch><Preset preset="0" activeChannel="0"/></velmorPatch>)"})
        expectUnchanged(chunkOf(xml), xml);
}

TEST_F(BadChunks, ADeclarationIsAccepted)
{
    StompixZR7714AudioProcessor other;
    const auto document = processor.writePreset(false);
    const auto chunk = chunkOf(document.toString()); // declaration, indentation, line breaks
    other.setStateInformation(chunk.getData(), (int)chunk.getSize());
    EXPECT_EQ(stateOf(other), before);

    juce::MemoryBlock framework;
    juce::AudioProcessor::copyXmlToBinary(document, framework);
    StompixZR7714AudioProcessor third;
    third.setStateInformation(framework.getData(), (int)framework.getSize());
    EXPECT_EQ(stateOf(third), before);
}

TEST(HostileDocuments, ValuesAreClampedNonFiniteIgnoredIndicesBounded)
{
    StompixZR7714AudioProcessor processor;

    juce::String programs;

    // Thirteen programs, the first with three channels, a channel number of 7, a rate of 3 and
    // a mix of "nan".
    for (int p = 0; p < 13; ++p)
    {
        const juce::String channels =
            p == 0 ? channel("a.vzrp",
                             number("rate", "3") + number("mix", "nan") + number("depth", "-2")) +
                         channel("b.vzrp", number("rate", "0.25000")) +
                         channel("c.vzrp", number("rate", "0.75000"))
                   : channel("p" + juce::String(p) + ".vzrp", number("feedback", "0.10000"));
        programs << "<Preset preset=\"" << p << "\" activeChannel=\"" << (p == 0 ? 7 : 1) << "\">"
                 << channels << "</Preset>";
    }

    const auto chunk = chunkOf(wholeState("activePreset=\"0\">" + programs));
    processor.setStateInformation(chunk.getData(), (int)chunk.getSize());

    const auto& first = processor.getProgramSlot(0);
    EXPECT_EQ(first.activeChannel, 0);
    EXPECT_EQ(first.values[0][kRate], 1.0f);
    EXPECT_EQ(first.values[0][kMix], 0.5f);
    EXPECT_EQ(first.values[0][kDepth], 0.0f);
    EXPECT_EQ(first.values[1][kRate], 0.25f);
    EXPECT_EQ(first.presetPath[1], "b.vzrp");
    EXPECT_EQ(processor.getProgramSlot(11).presetPath[0], "p11.vzrp");
    EXPECT_EQ(processor.getProgramSlot(11).activeChannel, 1);
    EXPECT_EQ(processor.getCurrentProgram(), 0);
    EXPECT_EQ(processor.getCurrentValue(kRate), 1.0f);
    EXPECT_EQ(processor.getCurrentValue(kMix), 0.5f);

    // An active channel of 7 in a current-program document reads as A; surplus channels are
    // ignored.
    const auto current = chunkOf(
        "<velmorPatch><Properties a=\"\" b=\"\" c=\"\" activeChannel=\"7\">" +
        channel("x.vzrp", number("level", "5") + number("mix", "1e39")) + channel("y.vzrp", "") +
        channel("z.vzrp", number("level", "0.1")) + "</Properties></velmorPatch>");
    processor.setCurrentProgramStateInformation(current.getData(), (int)current.getSize());
    EXPECT_EQ(processor.getProgramSlot(0).activeChannel, 0);
    EXPECT_EQ(processor.getProgramSlot(0).values[0][kLevel], 1.0f);
    EXPECT_EQ(processor.getProgramSlot(0).values[0][kMix], 0.5f);
    EXPECT_EQ(processor.getProgramSlot(0).presetPath[1], "y.vzrp");

    // A preset file's out-of-range values are clamped, its NaN ignored.
    processor.setParameter(kFeedback, 0.4f);
    auto preset = GuardedXml::parse(
        singleLine(processor.writePreset(true)).replace("0.40000", "nan").replace(">9<", ">36<"));
    ASSERT_NE(preset, nullptr);
    HostNotifications host(processor);
    EXPECT_EQ(processor.readPreset(std::move(preset), true), 1);
    EXPECT_EQ(processor.getCurrentValue(kFeedback), 0.4f);
    EXPECT_EQ(processor.getCurrentValue(kRateSync), 1.0f);

    for (const auto& change : host.changes)
        EXPECT_TRUE(change.second >= 0.0f && change.second <= 1.0f);
}
} // namespace

TEST(FolderListing, NamesThatAreNotUtf8AreLeftOut)
{
    // A file name may hold any bytes; the framework's listing must never turn these into text
    // (some of them make it copy more bytes than it counted), so they are made and removed with
    // the standard library.
    const auto folder = std::filesystem::temp_directory_path() /
                        ("stompix-listing-" + juce::Uuid().toDashedString().toStdString());
    std::filesystem::create_directory(folder);
    const std::string badNames[] = {"\xc0" + std::string(200, 'n') + ".vzrp", "half\xe2\x82.vzrp",
                                    "\xff.vzrp", "latin \xe9.vzrp", "\xc0" + std::string(64, 'd')};
    for (const auto& name : badNames)
        std::ofstream(folder / name) << "x";
    std::ofstream(folder / "Good \xc3\xa9.vzrp") << "x";
    std::filesystem::create_directory(folder / "Sub");

    const juce::File root(folder.string());
    juce::StringArray listed;
    for (const auto& entry :
         juce::RangedDirectoryIterator(root, false, "*", juce::File::findFilesAndDirectories))
        listed.add(entry.getFile().getFileName());
    listed.sort(false);
    EXPECT_EQ(listed.joinIntoString("|"), juce::String::fromUTF8("Good \xc3\xa9.vzrp|Sub"));
    EXPECT_EQ(root.findChildFiles(juce::File::findFiles, false, "*.vzrp").size(), 1);

    std::filesystem::remove_all(folder);
}
