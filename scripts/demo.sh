# Writes the demo link file for this checkout: examples/demo.lst.in with
# @ROOT@ (and @root@ in lower case) replaced by the examples folder in the
# program's form (Z:\...\examples, CP932). Prints the file's host path.
write_demo_link_file() {
    local out_dir=$1
    local host_root="$ROOT/examples"
    local program_root
    program_root=$(printf 'Z:%s' "${host_root//\//\\}" | iconv -f UTF-8 -t CP932) ||
        fail "the checkout's path cannot be written in CP932"
    mkdir -p "$out_dir"
    DEMO_ROOT=$program_root perl -pe 's/\@ROOT\@/$ENV{DEMO_ROOT}/g; s/\@root\@/lc $ENV{DEMO_ROOT}/ge' \
        "$ROOT/examples/demo.lst.in" >"$out_dir/demo.lst" || fail "cannot write $out_dir/demo.lst"
    printf '%s\n' "$out_dir/demo.lst"
}
