# Robot files for the scripts that send: the smallest and the largest program there are.
#
# Sourced, not run:
#   . tests/support/test_programs.sh
#   smallest_program FILE   # BEGIN, LED on, END: one code byte, a frame of 20 bytes
#   largest_program FILE    # BEGIN, 79 Set Variable, END: 237 code bytes, a frame of 256 bytes

# A chain of icons from BEGIN to END, snaking over rows of 50 icon cells, as a robot file.
chain_program() { # FILE COUNT PARAMETERS
    awk -v count="$2" -v params="$3" 'BEGIN {
        n = count + 2
        for (i = 0; i < n; i++) {
            row = int(i / 50); col = i % 50; if (row % 2 == 1) col = 49 - col
            x[i] = 2 * col; y[i] = 2 * row
        }
        lines = ""
        for (i = 1; i < n; i++)
            lines = lines sprintf(" %d ,", (x[i] + x[i - 1]) / 2 + 99 * (y[i] + y[i - 1]) / 2)
        print "Quorvel50 J"; print substr(lines, 1, length(lines) - 1); print "END"
        for (i = 0; i < n; i++)
            printf " %d ,%s\n", x[i] + 99 * y[i], i == 0 ? "29 0=" : i == n - 1 ? "30 0=" : params
        print "END"; print "END"; print " 0 "; print " 0 "
    }' | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$1"
}

smallest_program() { chain_program "$1" 1 "23 1=ON &H00FFFFFF"; }
largest_program() { chain_program "$1" 79 "18 2=Ａ 1 &H00FFFFFF"; }
