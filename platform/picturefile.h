#pragma once

class QByteArrayView;
class QImage;
class QString;

namespace sorvex {

// Loads a picture file by bare name from the first data folder that holds an
// entry of that name (see dataFolders()). The format is told by content, so
// a PNG saved under a .bmp name loads too. Throws RuntimeError:
// FileNotFound when no folder has it (the detail names every folder looked
// in), PathFileAccess when the entry is a folder, not a regular file or not
// readable, InvalidPicture when the file cannot be read completely as a
// picture.
QImage loadPicture(const QString &fileName);

// False for a BMP file whose pixel rows end before the header says they do:
// Qt's reader fills missing rows with black instead of failing. Anything
// that is not an uncompressed BMP passes; its reader decides.
bool bmpPixelDataComplete(QByteArrayView bytes);

} // namespace sorvex
