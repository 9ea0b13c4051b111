// SmtpDataStream: a lone CR, a lone LF and CR LF all become CR LF; a dot at a line
// start is doubled. Output is gathered and sent in large pieces.
#include "smtp_data_stream.h"

namespace shell {
namespace {

constexpr std::size_t kSendPiece = 16 * 1024;

}  // namespace

void SmtpDataStream::Append(const char* text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    const char c = text[i];
    if (c == '\r') {
      pending_ += "\r\n";
      atLineStart_ = true;
      afterCr_ = true;
      continue;
    }
    if (c == '\n') {
      // The LF of a CR LF pair was written with its CR.
      if (!afterCr_) pending_ += "\r\n";
      atLineStart_ = true;
      afterCr_ = false;
      continue;
    }
    afterCr_ = false;
    if (atLineStart_ && c == '.') pending_ += '.';
    pending_ += c;
    atLineStart_ = false;
  }
}

bool SmtpDataStream::Flush() {
  if (!failed_ && !pending_.empty()) failed_ = !channel_.Send(pending_);
  pending_.clear();
  return !failed_;
}

bool SmtpDataStream::Write(const char* text, std::size_t size) {
  if (failed_) return false;
  // Piece by piece, so that a large text never needs a second copy of itself.
  while (size > 0) {
    const std::size_t piece = size < kSendPiece ? size : kSendPiece;
    Append(text, piece);
    text += piece;
    size -= piece;
    if (pending_.size() >= kSendPiece && !Flush()) return false;
  }
  return true;
}

bool SmtpDataStream::End() {
  // The closing dot must stand on a line of its own.
  if (!atLineStart_) Append("\r\n", 2);
  if (!Flush()) return false;
  return channel_.Send(".\r\n", 3);
}

}  // namespace shell
