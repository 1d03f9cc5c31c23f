# The suite's text scrambler (key "3964") for shell scripts: each byte XOR (key digit + 96), the key
# repeated; printed as printf escapes. Sourced by make-demo.sh and the end-to-end tests.
scramble() {
    local text=$1 key=3964 out="" i code mask
    for ((i = 0; i < ${#text}; i++)); do
        printf -v code '%d' "'${text:i:1}"
        mask=$(($(printf '%d' "'${key:i%4:1}") + 96))
        printf -v out '%s\\x%02x' "$out" $((code ^ mask))
    done
    printf '%s' "$out"
}
