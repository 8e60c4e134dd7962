#include "texts/platform_words.h"

#include "platform/exception_text.h"
#include "platform/file_system.h"
#include "platform/game_folders.h"
#include "platform/image_error.h"
#include "texts/texts.h"

namespace scrivel::texts {

namespace {

TextId ImageReason(platform::ImageFault fault) {
    using platform::ImageFault;
    switch (fault) {
    case ImageFault::Unreadable:
        return TextId::ImageUnreadable;
    case ImageFault::Empty:
        return TextId::ImageEmpty;
    case ImageFault::NotBmp:
        return TextId::ImageNotBmp;
    case ImageFault::Truncated:
        return TextId::ImageTruncated;
    case ImageFault::TooLarge:
        return TextId::ImageTooLarge;
    case ImageFault::UnknownHeader:
        return TextId::ImageUnknownHeader;
    case ImageFault::BadSize:
        return TextId::ImageBadSize;
    case ImageFault::BadPlanes:
        return TextId::ImageBadPlanes;
    case ImageFault::UnsupportedDepth:
        return TextId::ImageUnsupportedDepth;
    case ImageFault::RleCompression:
        return TextId::ImageRleCompression;
    case ImageFault::UnsupportedCompression:
        return TextId::ImageUnsupportedCompression;
    case ImageFault::BadPixelOffset:
        return TextId::ImageBadPixelOffset;
    case ImageFault::Os2Palette:
        return TextId::ImageOs2Palette;
    case ImageFault::BadPalette:
        return TextId::ImageBadPalette;
    case ImageFault::ColourOutsidePalette:
        return TextId::ImageColourOutsidePalette;
    case ImageFault::Corrupt:
        return TextId::ImageCorrupt;
    case ImageFault::SaveEmpty:
        return TextId::ImageSaveEmpty;
    case ImageFault::CannotWriteBmp:
        return TextId::ImageCannotWriteBmp;
    case ImageFault::CannotWriteJpeg:
        return TextId::ImageCannotWriteJpeg;
    case ImageFault::CannotWritePng:
        return TextId::ImageCannotWritePng;
    case ImageFault::JpegUnreadable:
        return TextId::ImageJpegUnreadable;
    case ImageFault::JpegDamaged:
        return TextId::ImageJpegDamaged;
    case ImageFault::JpegCannotEncode:
        return TextId::ImageJpegCannotEncode;
    }
    return TextId::ImageCorrupt;
}

} // namespace

std::string Reason(const platform::FileError& error) {
    switch (error.kind) {
    case platform::FileError::Kind::ReadOnlyFile:
        return Text(TextId::ReasonReadOnlyFile);
    case platform::FileError::Kind::ReadOnlyFolder:
        return Text(TextId::ReasonReadOnlyFolder);
    case platform::FileError::Kind::System:
        break;
    }
    return SystemReason(error.number);
}

std::string ImageMessage(const platform::ImageError& error) {
    const std::string reason = Compose(ImageReason(error.Fault()), {error.Detail()});
    return Compose(TextId::ImageReasonAndPath, {reason, error.Path()});
}

std::string FolderMessage(const platform::FolderProblem& problem) {
    if (problem.kind == platform::FolderProblem::Kind::NoHome) {
        return Text(TextId::NoHomeFolder);
    }
    return Compose(TextId::CannotCreateFolder, {problem.folder, Reason(problem.error)});
}

std::string CurrentErrorText() {
    const std::string text = platform::CurrentExceptionText();
    return text.empty() ? Text(TextId::UnknownError) : text;
}

} // namespace scrivel::texts
