// kbpack: packs the knowledge-base articles into know.dat.
//   kbpack OUTPUT ARTICLE...
// The articles go into the file in the order given. Nothing is written when
// an article cannot be packed.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

#include "knowledge/kbpacker.h"

namespace {

bool readfile(const char* name, std::string& text)
{
    std::ifstream in(name, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writefile(const std::string& name, const std::string& bytes)
{
    const std::string temp = name + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temp.c_str());
            return false;
        }
    }
    return std::rename(temp.c_str(), name.c_str()) == 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::cerr << "usage: kbpack OUTPUT ARTICLE...\n";
        return 2;
    }
    std::vector<std::vector<std::string>> articles;
    for (int i = 2; i < argc; ++i) {
        std::string source;
        if (!readfile(argv[i], source)) {
            std::cerr << argv[i] << ": cannot be read\n";
            return 1;
        }
        articles.push_back(kbarticlelines(source));
        if (const std::string problem = kbcheckarticle(articles.back()); !problem.empty()) {
            std::cerr << argv[i] << ": " << problem << '\n';
            return 1;
        }
    }
    if (!writefile(argv[1], kbpackarticles(articles))) {
        std::cerr << argv[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
