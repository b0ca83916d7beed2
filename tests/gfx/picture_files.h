#pragma once
// Pictures, picture stores and working folders made by the gfx tests.

#include <QColor>
#include <QImage>

#include <filesystem>
#include <map>
#include <string>

// A fresh temporary folder that is the working directory while this lives.
class TempWorkingFolder {
public:
    TempWorkingFolder();
    ~TempWorkingFolder();
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};

// A picture of one colour.
QImage FilledPicture(int width, int height, QColor colour);
// Writes a picture (format by the suffix) relative to the working directory.
bool SavePicture(const QImage& picture, const std::string& path);
// Writes bytes that no picture decoder accepts under this name.
bool SaveDamagedPicture(const std::string& path);
// Builds "resources.rcc" in the working directory holding each picture as
// ":/pictures/<id>.png".
bool MakePictureStore(const std::map<int, QImage>& pictures);
