#pragma once
// A display list written as a picture file: a PNG image, an SVG drawing or a one-page PDF,
// laid out for a screen of 96 dots per inch. An SVG also gets a transparent box with a
// `<title>` over each part that tells something when pointed at, which a browser shows.

#include <QImage>
#include <QString>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/events/timeline_picture.h"
#include "core/wheels/display_list.h"

namespace helion::render {

enum class ImageFormat { Png, Svg, Pdf };

// From the file name's extension; nothing for any other file.
std::optional<ImageFormat> imageFormatOf(const std::string& fileName);

// An empty image of 96 dots per inch.
QImage screenImage(int width, int height);

struct TitledBox {
    WheelBox box;  // in the drawing's units
    std::string title;
};

struct PictureContent {
    const std::vector<WheelPrimitive>& primitives;
    WheelFrame frame;
    int background = 15;
    QString name;  // the SVG's title
    std::span<const TitledBox> titled;
};

// The file's bytes: the drawing painted on `width` x `height` pixels in that format.
std::string pictureFile(const PictureContent& content, ImageFormat format, int width, int height);

// The timeline picture at its own size, each bar and marker titled with its events.
std::string timelinePictureFile(const TimelinePicture& picture, ImageFormat format);

}  // namespace helion::render
