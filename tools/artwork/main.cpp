// stompix-artwork: draws the editor's artwork.
//   --write DIR   writes every image as DIR/<name>.png
//   --check DIR   compares DIR with a fresh drawing and names every file that differs
//   --sheet FILE  writes a contact sheet of all images
//   --previews DIR  writes the put-together views of the sheet at twice their size
#include "ArtworkCatalogue.h"
#include "ContactSheet.h"
#include "Fonts.h"
#include "PngFile.h"

#include <juce_events/juce_events.h>

#include <iostream>

namespace
{

bool writeAll(const std::vector<artwork::ArtworkImage>& art, const juce::File& folder)
{
    if (!folder.createDirectory().wasOk())
    {
        std::cerr << "cannot create " << folder.getFullPathName() << "\n";
        return false;
    }
    for (const auto& image : art)
    {
        const auto file = folder.getChildFile(image.name + ".png");
        const auto data = artwork::encodePng(image.image);
        if (!file.replaceWithData(data.getData(), data.getSize()))
        {
            std::cerr << "cannot write " << file.getFullPathName() << "\n";
            return false;
        }
    }
    std::cout << "wrote " << art.size() << " images to " << folder.getFullPathName() << "\n";
    return true;
}

bool checkAll(const std::vector<artwork::ArtworkImage>& art, const juce::File& folder)
{
    juce::StringArray problems;
    juce::StringArray expected;
    for (const auto& image : art)
    {
        const auto file = folder.getChildFile(image.name + ".png");
        expected.add(file.getFileName());
        juce::MemoryBlock committed;
        if (!file.loadFileAsData(committed))
            problems.add("missing: " + file.getFileName());
        else if (committed != artwork::encodePng(image.image))
            problems.add("differs: " + file.getFileName());
    }
    for (const auto& file : folder.findChildFiles(juce::File::findFiles, false, "*.png"))
        if (!expected.contains(file.getFileName()))
            problems.add("not drawn by this program: " + file.getFileName());

    for (const auto& problem : problems)
        std::cout << problem << "\n";
    if (problems.isEmpty())
        std::cout << "all " << art.size() << " images match " << folder.getFullPathName() << "\n";
    else
        std::cout << "regenerate with: stompix-artwork --write " << folder.getFullPathName()
                  << "\n";
    return problems.isEmpty();
}

bool writePng(const juce::Image& image, const juce::File& file)
{
    const auto data = artwork::encodePng(image);
    if (!file.replaceWithData(data.getData(), data.getSize()))
    {
        std::cerr << "cannot write " << file.getFullPathName() << "\n";
        return false;
    }
    std::cout << "wrote " << file.getFullPathName() << "\n";
    return true;
}

bool writePreviews(const std::vector<artwork::ArtworkImage>& art, const juce::File& folder)
{
    bool ok = folder.createDirectory().wasOk();
    for (const auto& [name, image] : artwork::drawPreviews(art))
        ok = ok && writePng(image, folder.getChildFile(name + ".png"));
    return ok;
}

using Actions = std::vector<std::pair<juce::String, juce::File>>;

bool run(const Actions& actions)
{
    const auto art = artwork::drawArtwork();
    bool ok = true;
    for (const auto& [option, file] : actions)
    {
        if (option == "--write")
            ok = writeAll(art, file) && ok;
        else if (option == "--check")
            ok = checkAll(art, file) && ok;
        else if (option == "--sheet")
            ok = writePng(artwork::drawContactSheet(art), file) && ok;
        else
            ok = writePreviews(art, file) && ok;
    }
    return ok;
}

int usage()
{
    std::cerr
        << "usage: stompix-artwork [--write DIR] [--check DIR] [--sheet FILE] [--previews DIR]\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    juce::ScopedJuceInitialiser_GUI juce;

    Actions actions;
    for (int i = 1; i < argc; ++i)
    {
        const juce::String option(argv[i]);
        if (!juce::StringArray{"--write", "--check", "--sheet", "--previews"}.contains(option) ||
            i + 1 >= argc)
            return usage();
        actions.emplace_back(
            option, juce::File::getCurrentWorkingDirectory().getChildFile(juce::String(argv[++i])));
    }
    if (actions.empty())
        return usage();

    juce::String error;
    if (!artwork::loadFonts(error))
    {
        std::cerr << error << "\n";
        return 1;
    }

    const bool ok = run(actions);
    artwork::releaseFonts(); // before the framework shuts down
    return ok ? 0 : 1;
}
