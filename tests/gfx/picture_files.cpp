#include "picture_files.h"

#include <QString>

#include <cstdlib>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

TempWorkingFolder::TempWorkingFolder()
{
    m_previous = fs::current_path();
    std::random_device random;
    m_path = fs::temp_directory_path() / ("tarvik_gfx_" + std::to_string(random()));
    fs::create_directories(m_path);
    fs::current_path(m_path);
}

TempWorkingFolder::~TempWorkingFolder()
{
    std::error_code error;
    fs::current_path(m_previous, error);
    fs::remove_all(m_path, error);
}

QImage FilledPicture(int width, int height, QColor colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

bool SavePicture(const QImage& picture, const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) {
        fs::create_directories(parent);
    }
    return picture.save(QString::fromStdString(path), nullptr, 95);
}

bool SaveDamagedPicture(const std::string& path)
{
    std::ofstream file(path, std::ios::binary);
    // A JPEG start marker followed by garbage: recognised, then undecodable.
    file << "\xFF\xD8\xFF\xE0 this is not a picture at all";
    return static_cast<bool>(file);
}

bool MakePictureStore(const std::map<int, QImage>& pictures)
{
    fs::create_directories("store_source");
    std::ofstream qrc("store_source/pictures.qrc");
    qrc << "<RCC><qresource prefix=\"/pictures\">\n";
    for (const auto& [id, picture] : pictures) {
        const std::string name = std::to_string(id) + ".png";
        if (!picture.save(QString::fromStdString("store_source/" + name))) {
            return false;
        }
        qrc << "<file>" << name << "</file>\n";
    }
    qrc << "</qresource></RCC>\n";
    qrc.close();
    const std::string command =
        std::string(TARVIK_RCC) + " --binary -o resources.rcc store_source/pictures.qrc";
    return std::system(command.c_str()) == 0;
}
