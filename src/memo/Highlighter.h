#pragma once

#include "memo/CharStream.h"
#include "memo/TokenStyle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly::memo {

class TSyntaxMemo;

// What the editor needs from a parser to colour its text: the parser cuts
// the text into tokens and gives each a token value (0..255, 0 = no token).
// The parser engine implements it; the editor knows nothing else of it.
class THighlighter {
public:
    virtual ~THighlighter() = default;

    // The editor starts or stops using this parser.
    virtual void attach(TSyntaxMemo& /*editor*/) {}
    virtual void detach(TSyntaxMemo& /*editor*/) {}

    // Prepares a scan that restarts at a place whose run of characters had
    // token value tokenBefore (0 at the top of the document).
    virtual void resumeAt(std::uint8_t tokenBefore) = 0;
    // Consumes one token from the stream and returns its value; length is
    // set to the number of characters consumed.
    virtual std::uint8_t nextToken(TSyntaxMemo& editor, TCharStream& stream, std::int64_t& length) = 0;
    // The same for a scan that stops once it has passed until: a parser that
    // cuts long tokens may leave the token unfinished at until, and the next
    // call goes on with it.
    virtual std::uint8_t nextTokenUntil(TSyntaxMemo& editor, TCharStream& stream, std::int64_t /*until*/,
                                        std::int64_t& length)
    {
        return nextToken(editor, stream, length);
    }
    // Scans tokens from the stream's position until the scan has passed
    // until (or the text ends), appending each token's value once per
    // character to values; returns the position reached. The default calls
    // nextToken for every token; a parser may run the loop without the
    // per-token calls.
    virtual std::int64_t scanTo(TSyntaxMemo& editor, TCharStream& stream, std::int64_t until, std::string& values);
    // After a call: the token just returned must be scanned again from its
    // start (the parser looks ahead).
    virtual bool lookaheadPending() const { return false; }
    // A fingerprint of the scanner's state after the last token (states,
    // stack, lookahead). The editor keeps it for every record end and goes on
    // scanning while it differs from the one stored, even when the token
    // values come out the same.
    virtual std::uint32_t stateSignature() const { return 0; }
    // Exact resume points: the scanner's whole state between two tokens as
    // bytes, and the way back into it. A parser that offers them lets the
    // editor restart a scan at the nearest stored point instead of walking
    // back over runs of anchor values. saveState is false while a lookahead
    // is pending (that state holds an absolute position) or when the parser
    // cannot give its state.
    virtual bool exactResume() const { return false; }
    virtual bool saveState(std::string& /*out*/) const { return false; }
    virtual void restoreState(std::string_view /*state*/) {}
    // Token values at whose runs a scan may restart.
    virtual bool isAnchor(std::uint8_t token) const = 0;
    // The style of a token value, and of the document (style 0).
    virtual TTokenStyle tokenStyle(std::uint8_t /*value*/) const { return {}; }
    virtual TTokenStyle defaultStyle() const { return {}; }
    virtual std::string fontName() const { return "Courier New"; }
    virtual int fontSize() const { return 10; }
    // False while the parser cannot highlight (it needs a handler that is missing).
    virtual bool usable() const { return true; }
    // Lets the user change the parser's settings for editor; true when they
    // changed (every editor using the parser has then been refreshed).
    virtual bool editProperties(TSyntaxMemo& /*editor*/) { return false; }
};

} // namespace tessaly::memo
