#include "qtprint/PdfStrokes.h"

#include <QList>
#include <QtEndian>
#include <array>
#include <cctype>

namespace aerolune::test {

namespace {

using Matrix = std::array<double, 6>;  // a b c d e f, as PDF writes it

Matrix multiply(const Matrix& m, const Matrix& n) {  // m then n
    return {m[0] * n[0] + m[1] * n[2], m[0] * n[1] + m[1] * n[3],        m[2] * n[0] + m[3] * n[2],
            m[2] * n[1] + m[3] * n[3], m[4] * n[0] + m[5] * n[2] + n[4], m[4] * n[1] + m[5] * n[3] + n[5]};
}

QByteArray inflate(const QByteArray& zlib) {
    QByteArray sized(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(zlib.size() * 50 + 1024), sized.data());
    return qUncompress(sized + zlib);
}

// The content of every stream, inflated where compressed. Qt writes the
// page contents as streams of their own; fonts and images inflate to data
// without path operators between text objects, which the reader skips.
std::vector<QByteArray> streams(const QByteArray& pdf) {
    std::vector<QByteArray> out;
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream", at)) >= 0) {
        if (at >= 3 && pdf.mid(at - 3, 3) == "end") {
            at += 6;
            continue;
        }
        const qsizetype dict = pdf.lastIndexOf("<<", at);
        const bool flate = pdf.mid(dict, at - dict).contains("FlateDecode");
        qsizetype start = at + 6;
        if (pdf[start] == '\r') ++start;
        if (pdf[start] == '\n') ++start;
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0) break;
        const QByteArray body = pdf.mid(start, end - start);
        const bool image = pdf.mid(dict, at - dict).contains("/Subtype /Image") ||
                           pdf.mid(dict, at - dict).contains("/Length1");
        if (!image) out.push_back(flate ? inflate(body) : body);
        at = end + 9;
    }
    return out;
}

}  // namespace

std::vector<PdfStroke> pdfStrokes(const QByteArray& pdf) {
    std::vector<PdfStroke> strokes;
    int page = 0;
    for (const QByteArray& content : streams(pdf)) {
        if (!content.contains(" cm")) continue;  // not a page's content
        std::vector<Matrix> saved;
        Matrix ctm{1, 0, 0, 1, 0, 0};
        std::vector<double> operands;
        double px = 0, py = 0;  // current point, page space
        bool inText = false;
        std::vector<PdfStroke> path;  // the path being built, kept only when it is painted
        const QList<QByteArray> tokens = content.simplified().split(' ');
        for (const QByteArray& t : tokens) {
            bool number = false;
            const double v = t.toDouble(&number);
            if (number) {
                operands.push_back(v);
                continue;
            }
            const auto at = [&](std::size_t k) { return operands[operands.size() - k]; };
            if (t == "BT") inText = true;
            if (t == "ET") inText = false;
            if (t == "q") saved.push_back(ctm);
            if (t == "Q" && !saved.empty()) ctm = saved.back(), saved.pop_back();
            if (t == "cm" && operands.size() >= 6)
                ctm = multiply({at(6), at(5), at(4), at(3), at(2), at(1)}, ctm);
            if (!inText && (t == "m" || t == "l") && operands.size() >= 2) {
                const double x = at(2) * ctm[0] + at(1) * ctm[2] + ctm[4];
                const double y = at(2) * ctm[1] + at(1) * ctm[3] + ctm[5];
                if (t == "l") path.push_back({page, px, py, x, y});
                px = x;
                py = y;
            }
            if (t == "S" || t == "s" || t == "B" || t == "b" || t == "f" || t == "F" || t == "f*") {
                strokes.insert(strokes.end(), path.begin(), path.end());
                path.clear();
            }
            if (t == "n") path.clear();  // a clipping path: nothing painted
            if (!t.isEmpty() && !std::isdigit(static_cast<unsigned char>(t[0])) && t[0] != '-' && t[0] != '.')
                operands.clear();
        }
        ++page;
    }
    return strokes;
}

}  // namespace aerolune::test
