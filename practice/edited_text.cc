#include "practice/edited_text.h"

std::vector<std::string> MeaningfulLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    line.erase(line.find_last_not_of(" \t\r") + 1);
    line.erase(0, line.find_first_not_of(" \t\r"));
    if (!line.empty() && line[0] != '#')
      lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> WordsOf(const std::string& line) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < line.size()) {
    size_t start = line.find_first_not_of(" \t", at);
    if (start == std::string::npos)
      break;
    at = line.find_first_of(" \t", start);
    if (at == std::string::npos)
      at = line.size();
    words.push_back(line.substr(start, at - start));
  }
  return words;
}
