#pragma once
// A picture's record of drawing calls, drawn again onto any QPainter at any size: the graph
// widget on screens with more pixels than the picture, SVG, PDF and the printer. The
// painter's units are picture pixels (scale it to the target first); what lies outside the
// picture is clipped. Rectangles, pixels, bitmaps, texts and single straight lines along the
// axes come out at scale 1 as the raster has them; curves become paths through the pixels'
// centres, which a raster rule other than the picture's own draws slightly differently.

#include <QByteArray>
#include <QPainter>
#include <cstdint>
#include <string>
#include <vector>

#include "common/DisplayList.h"

namespace quorvel {

// `smooth`: antialiased paths and text (vectors, screens with more pixels); otherwise as the
// raster draws them. `xmlText`: texts keep only the characters an XML document can hold.
void replayDrawing(const DisplayList& list, QPainter& painter, int width, int height, bool smooth,
                   bool xmlText = false);

// The record as an SVG or a one-page PDF document of the picture's size (a picture pixel is a
// point), or printed onto `painter`'s device scaled to fit `page` with its aspect kept,
// centred.
QByteArray svgDocument(const DisplayList& list, int width, int height, const QString& title);
QByteArray pdfDocument(const DisplayList& list, int width, int height, const QString& title);
void drawFitted(const DisplayList& list, QPainter& painter, int width, int height, QRectF page);

// The graph picture's record as the bytes of an SVG or (`pdf`) a PDF file, titled with the
// personal text (or "Quorvel").
std::vector<uint8_t> vectorBytes(const DisplayList& list, bool pdf, const std::string& title);

}  // namespace quorvel
