#pragma once
// The program's pictures, drawn by our own code: the load shapes of the load editor, the moment
// diagrams of the span types, the window icon and the about-box picture. The generator
// (app/make_pictures.cpp) writes them into resources/ under the names the program looks for.
#include <QImage>
#include <string>
#include <vector>

namespace zel::qt {

// Load type 1..6 on a simple beam, or on a cantilever fixed at its left end.
QImage DrawLoadPicture(int loadType, bool cantilever);
// Moment diagram of span type 0..6 under a uniform load.
QImage DrawMomentDiagram(int spanType);
QImage DrawProgramIcon(int size);
QImage DrawAboutPicture();
// The toolbar's 元に戻す (an arrow turning back to the left) and, mirrored, やり直し.
QImage DrawUndoIcon(int size, bool redo);

// Writes every picture into `folder`; returns the names that could not be written.
std::vector<std::string> WriteProgramPictures(const std::string& folder);
// Names of every picture the program looks for, in the order written.
std::vector<std::string> ProgramPictureNames();

inline constexpr const char* kIconFile = "KAVOZel.ICO";
inline constexpr const char* kAboutPictureFile = "KAVOZel_Ver.png";

}  // namespace zel::qt
