#include "stop/picture_report.h"

bool LoadPictureReported(TImage& image, const AnsiString& path, const AnsiString& handler) {
    try {
        image.Picture->LoadFromFile(path);
        return true;
    } catch (const EFOpenError& e) {
        if (Application) Application->ShowException(e, handler);
        return false;
    }
}
