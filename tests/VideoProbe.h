#pragma once

#include <cstdio>
#include <string>

// What an external program printed on its standard output.
inline std::string CommandOutput(const std::string& command) {
    std::string out;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    pclose(pipe);
    return out;
}

// ffprobe's reading of a video file's stream: "codec,width,height,rate,frames\n".
inline std::string ProbeVideo(const std::string& path) {
    return CommandOutput(
        "ffprobe -v error -count_frames -select_streams v:0 -show_entries "
        "stream=codec_name,width,height,r_frame_rate,nb_read_frames -of csv=p=0 '" +
        path + "'");
}
