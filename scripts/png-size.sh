# Sourced by the picture and icon render scripts.

# Width and height of a PNG, read from its IHDR chunk (bytes 16-23): "WxH".
png_size() {
    local w h
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 }')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 }')
    echo "${w}x${h}"
}
