// quintara-artwork <output-dir> [--contact-sheet FILE]
//     draws every picture of the desktop program and writes them as PNG files;
// quintara-artwork --check <dir>
//     verifies that <dir> holds every picture, each at its size, so committed
//     pictures cannot silently fall out of step with the catalogue.
#include "Catalogue.h"
#include "ContactSheet.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <vector>

namespace
{
int WritePictures(const QDir& output, const std::vector<artwork::TPicture>& pictures)
{
    if (!QDir().mkpath(output.path()))
    {
        std::fprintf(stderr, "quintara-artwork: cannot create %s\n", qPrintable(output.path()));
        return 1;
    }
    for (const artwork::TPicture& picture : pictures)
    {
        const QString path = output.filePath(picture.m_fileName);
        if (!picture.m_image.save(path, "PNG"))
        {
            std::fprintf(stderr, "quintara-artwork: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    std::printf("%zu pictures written to %s\n", pictures.size(), qPrintable(output.path()));
    return 0;
}

int CheckPictures(const QDir& directory, const std::vector<artwork::TPicture>& pictures)
{
    int problems = 0;
    for (const artwork::TPicture& picture : pictures)
    {
        const QString path = directory.filePath(picture.m_fileName);
        const QImage committed(path);
        if (committed.isNull())
        {
            std::fprintf(stderr, "missing or unreadable: %s\n", qPrintable(path));
            ++problems;
        }
        else if (committed.size() != picture.m_image.size())
        {
            std::fprintf(stderr, "%s is %dx%d, expected %dx%d\n", qPrintable(path), committed.width(),
                         committed.height(), picture.m_image.width(), picture.m_image.height());
            ++problems;
        }
    }
    if (problems == 0)
        std::printf("all %zu pictures present in %s\n", pictures.size(), qPrintable(directory.path()));
    return problems == 0 ? 0 : 1;
}
}  // namespace

int main(int argc, char* argv[])
{
    // Drawing needs no display; fonts still need the application object.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription("Draws the pictures of the Quintara desktop program.");
    parser.addHelpOption();
    parser.addPositionalArgument("dir", "Directory that receives (or, with --check, holds) the PNG files.");
    const QCommandLineOption sheetOption("contact-sheet", "Also write a sheet of all pictures to <file>.", "file");
    const QCommandLineOption checkOption("check", "Only verify that <dir> holds every picture at its size.");
    parser.addOption(sheetOption);
    parser.addOption(checkOption);
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
    {
        std::fprintf(stderr, "usage: quintara-artwork <output-dir> [--contact-sheet FILE]\n"
                             "       quintara-artwork --check <dir>\n");
        return 2;
    }

    const QDir directory(parser.positionalArguments().front());
    const std::vector<artwork::TPicture> pictures = artwork::DrawAllPictures();
    if (parser.isSet(checkOption))
        return CheckPictures(directory, pictures);

    if (const int result = WritePictures(directory, pictures); result != 0)
        return result;
    if (parser.isSet(sheetOption))
    {
        const QString sheetPath = parser.value(sheetOption);
        if (!artwork::DrawContactSheet(pictures).save(sheetPath, "PNG"))
        {
            std::fprintf(stderr, "quintara-artwork: cannot write %s\n", qPrintable(sheetPath));
            return 1;
        }
    }
    return 0;
}
