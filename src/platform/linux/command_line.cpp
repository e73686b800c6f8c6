#include "platform/linux/command_line.h"

namespace pultara::linux_x11 {

namespace {

class Splitter {
public:
    explicit Splitter(const std::string& text) : text_(text) {}

    std::vector<std::string> Split() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if ((c == ' ' || c == '\t') && !inDoubleQuotes_) {
                EndArgument();
                ++pos_;
            } else if (c == '\\') {
                Backslashes();
            } else if (c == '"') {
                inDoubleQuotes_ = !inDoubleQuotes_;
                started_ = true;
                ++pos_;
            } else if (c == '\'' && !inDoubleQuotes_) {
                SingleQuoted();
            } else {
                current_ += c;
                started_ = true;
                ++pos_;
            }
        }
        EndArgument();
        return arguments_;
    }

private:
    void Backslashes() {
        std::size_t count = 0;
        while (pos_ < text_.size() && text_[pos_] == '\\') {
            ++count;
            ++pos_;
        }
        started_ = true;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            current_.append(count / 2, '\\');
            if (count % 2 == 1) {
                current_ += '"';  // an escaped quote
                ++pos_;
            }
            return;  // an even count leaves the quote to group
        }
        current_.append(count, '\\');
    }

    void SingleQuoted() {
        const std::size_t close = text_.find('\'', pos_ + 1);
        const std::size_t end = close == std::string::npos ? text_.size() : close;
        current_.append(text_, pos_ + 1, end - pos_ - 1);
        started_ = true;
        pos_ = close == std::string::npos ? end : end + 1;
    }

    void EndArgument() {
        if (started_) {
            arguments_.push_back(current_);
        }
        current_.clear();
        started_ = false;
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    bool inDoubleQuotes_ = false;
    bool started_ = false;  // an empty "" is an argument too
    std::string current_;
    std::vector<std::string> arguments_;
};

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    return Splitter(commandLine).Split();
}

}  // namespace pultara::linux_x11
