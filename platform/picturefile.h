#pragma once

class QImage;
class QString;

namespace sorvex {

// Loads a picture file by bare name from the current working folder.
// Throws RuntimeError(FileNotFound) when it is missing or cannot be read as
// a picture; the error's detail names the file and the folder looked in.
QImage loadPicture(const QString &fileName);

} // namespace sorvex
