#!/usr/bin/env bash
# Times `brelix-cli ft ... -o escada.fts` on n-section RLC ladders drawn as system documents, n = 2
# to 12 (or the numbers given as arguments), next to Maxima solving the same ladder's nodal equations
# (linsolve, then ratsimp), in the same run. Prints wall time and peak resident memory of each, the
# number of terms of each denominator as a check that both found the same function, and Brelix's
# growth per section: the ratios of its time and of its peak memory at n to those at the n before.
#
# The ladder: a voltage source Vs, then per section k a series resistor Rk and inductor Lk and a
# shunt capacitor Ck; the output is the voltage of the last capacitor, E(Cn) / E(Vs). Every part has
# its own symbol, for Brelix and for Maxima alike.
#
# Builds a Release build in build/release; installs Maxima (Debian package maxima) when missing.
# Not part of the tests. JOBS sets the build's parallel jobs (default 2); MAXIMA_ATE the largest
# ladder Maxima is given (default 8: past it each ladder takes it many minutes, and the row shows
# "não medido"); MAXIMA_LIMITE the seconds
# Maxima may take on one ladder (default 1200) and MAXIMA_MEMORIA the GiB of resident memory it may
# hold (default 8, so that the machine is never exhausted) before it is stopped and shown as "> limit".
set -euo pipefail
cd "$(dirname "$0")/.."

secoes=("$@")
limite=${MAXIMA_LIMITE:-1200}  # seconds Maxima may take per ladder
memoria=${MAXIMA_MEMORIA:-8}    # GiB of resident memory Maxima may hold
maxima_ate=${MAXIMA_ATE:-8}     # the largest ladder Maxima is given
if [ ${#secoes[@]} -eq 0 ]; then secoes=(2 3 4 5 6 7 8 9 10 11 12); fi
notas=()

if ! command -v maxima >/dev/null; then
    sudo_cmd=""
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq maxima >/dev/null
fi
if [ ! -x /usr/bin/time ]; then
    echo "bench-cli-maxima: /usr/bin/time (Debian package time) is needed" >&2
    exit 2
fi

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRELIX_TESTS=OFF \
      -DBRELIX_BENCHMARKS=OFF >/dev/null
cmake --build build/release --parallel "${JOBS:-2}" --target brelix-cli brelix-gerar-exemplos >/dev/null
cli=build/release/src/cli/brelix-cli
gerar=build/release/examples/gerar/brelix-gerar-exemplos

trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT

# Runs a command watched over: stopped when it runs longer than a limit (status 124) or when it and
# its children hold more resident memory than a limit (status 125). The memory is watched from
# outside, so that Maxima's own heap sizing, which follows the address space it may take, is left as
# it is by default.
cat >"$trabalho/vigiar.sh" <<'EOF_VIGIAR'
#!/usr/bin/env bash
limite_kb=$1 limite_s=$2
shift 2
"$@" &
filho=$!
descendentes() {
    ps -e -o pid=,ppid=,rss= | awk -v raiz="$filho" '
        { pai[$1] = $2; rss[$1] = $3 }
        END {
            for (p in pai) { q = p; while (q != "" && q != raiz && q != 1 && q in pai) q = pai[q]; if (q == raiz) { print p; t += rss[p] } }
            print "total", t + 0 }'
}
while kill -0 "$filho" 2>/dev/null; do
    if [ "$SECONDS" -ge "$limite_s" ]; then status=124; fi
    total=$(descendentes | awk '$1 == "total" { print $2 }')
    if [ "${total:-0}" -gt "$limite_kb" ]; then status=125; fi
    if [ -n "${status:-}" ]; then
        for p in $(descendentes | awk '$1 != "total" { print $1 }'); do kill -9 "$p" 2>/dev/null || true; done
        wait "$filho" 2>/dev/null || true
        exit "$status"
    fi
    # Wakes when the command ends or after a fifth of a second, whichever comes first.
    sleep 0.2 &
    soneca=$!
    wait -n "$soneca" "$filho" 2>/dev/null || true
    kill "$soneca" 2>/dev/null || true
done
wait "$filho"
EOF_VIGIAR
chmod +x "$trabalho/vigiar.sh"

# Runs the command under /usr/bin/time -v; prints "seconds kilobytes": the wall time measured around
# it to the microsecond (the best of three runs when a run takes under two seconds) and the peak
# resident memory of the last run.
medir() {
    local relatorio="$trabalho/tempo.txt" melhor="" rodada inicio fim t
    for rodada in 1 2 3; do
        inicio=$EPOCHREALTIME
        local status=0
        /usr/bin/time -v -o "$relatorio" "$@" >"$trabalho/saida.txt" 2>"$trabalho/erros.txt" || status=$?
        if [ "$status" -ne 0 ]; then
            echo "- $status"
            return
        fi
        fim=$EPOCHREALTIME
        t=$(awk -v a="$inicio" -v b="$fim" 'BEGIN { printf "%.4f", b - a }')
        if [ -z "$melhor" ] || awk -v t="$t" -v m="$melhor" 'BEGIN { exit !(t < m) }'; then melhor=$t; fi
        if awk -v t="$t" 'BEGIN { exit !(t >= 2) }'; then break; fi
    done
    awk -v s="$melhor" -F': ' '/Maximum resident set size/ { kb = $2 } END { printf "%s %d\n", s, kb }' \
        "$relatorio"
}

# The ladder's nodal equations for Maxima: unknowns B1, A1, ..., Bn, An (A0 is the source Vs), the
# current leaving each node summed to zero.
maxima_escada() {
    local n=$1 eqs="" vars="" k
    for ((k = 1; k <= n; k++)); do
        local ant="A$((k - 1))"
        if [ "$k" -eq 1 ]; then ant="Vs"; fi
        local noB="(B$k - $ant)/R$k + (B$k - A$k)/(L$k*s) = 0"
        local noA="(A$k - B$k)/(L$k*s) + C$k*s*A$k"
        if [ "$k" -lt "$n" ]; then noA="$noA + (A$k - B$((k + 1)))/R$((k + 1))"; fi
        eqs="$eqs${eqs:+, }$noB, $noA = 0"
        vars="$vars${vars:+, }B$k, A$k"
    done
    cat <<EOF
display2d: false\$
sol: linsolve([$eqs], [$vars])\$
h: ratsimp(rhs(sol[$((2 * n))]) / Vs)\$
print("termos", length(expand(denom(h))))\$
EOF
}

printf '%3s | %12s %11s %8s | %12s %11s %7s | %13s | %11s\n' n "Brelix (s)" "pico (MiB)" termos \
       "Maxima (s)" "pico (MiB)" termos "Maxima/Brelix" "n / n-1"
printf -- '----+-----------------------------------+----------------------------------+---------------+------------\n'
tb_antes=""
kb_antes=""
n_antes=""
for n in "${secoes[@]}"; do
    escada="$trabalho/escada$n.sis"
    "$gerar" --ladder "$n" "$escada"
    read -r tb kb < <(medir "$cli" ft "$escada" --input "E(Vs)" --output "E(C$n)" -o "$trabalho/escada.fts")
    rm -f "$trabalho/escada.fts"
    if [ "$tb" = "-" ]; then
        echo "bench-cli-maxima: brelix-cli falhou na escada de $n seções:" >&2
        cat "$trabalho/erros.txt" >&2
        exit 1
    fi
    termos_b=$(grep -m1 '^  Denominador:' "$trabalho/saida.txt" | grep -o ' [+-] ' | wc -l)
    termos_b=$((termos_b + 1))

    maxima_escada "$n" >"$trabalho/escada$n.mac"
    if [ "$n" -le "$maxima_ate" ]; then
        read -r tm km < <(medir "$trabalho/vigiar.sh" "$((memoria * 1024 * 1024))" "$limite" \
                                     maxima --very-quiet --batch="$trabalho/escada$n.mac")
        termos_m=$(grep -o 'termos [0-9]*' "$trabalho/saida.txt" | awk '{ print $2 }' || true)
    else
        tm="não medido"
        km=0
        termos_m=0
    fi
    if [ "$tm" = "não medido" ]; then
        :
    elif [ "$tm" = "-" ]; then
        # Stopped by the time limit (status 124) or by the memory limit (125).
        case "$km" in
            124) tm="> ${limite} s" ;;
            125) tm="> ${memoria} GiB" ;;
            *) tm="falhou" ;;
        esac
        km=0
        termos_m=0
    elif [ -z "$termos_m" ]; then
        # Maxima ended without a result: keep the reason it gave.
        tm="erro"
        km=0
        termos_m=0
        motivo=$(grep -m1 -A2 -i 'error' "$trabalho/saida.txt" | tr -s ' \n' ' ' || true)
        notas+=("n = $n: Maxima: ${motivo:-sem resultado}")
    fi

    # Growth per section: Brelix's time and peak memory over those of the section before (the
    # numbers given in a row; none for the first, nor after a gap).
    crescimento="-"
    if [ -n "$tb_antes" ] && [ "$n" -eq $((n_antes + 1)) ]; then
        crescimento=$(awk -v t="$tb" -v ta="$tb_antes" -v k="$kb" -v ka="$kb_antes" \
                          'BEGIN { printf "%.1fx %.1fx", t / ta, k / ka }')
    fi
    tb_antes=$tb
    kb_antes=$kb
    n_antes=$n

    awk -v n="$n" -v tb="$tb" -v kb="$kb" -v bt="$termos_b" -v tm="$tm" -v km="$km" -v mt="$termos_m" \
        -v cr="$crescimento" 'BEGIN {
        if (tm !~ /^[0-9.]+$/) {
            printf "%3d | %12.3f %11.1f %8d | %12s %11s %7s | %13s | %11s\n", n, tb, kb / 1024, bt, tm, "-", "-", "-", cr
        } else {
            printf "%3d | %12.3f %11.1f %8d | %12.3f %11.1f %7d | %12.0fx | %11s\n", n, tb, kb / 1024, bt, tm,
                   km / 1024, mt, tm / tb, cr
        } }'
done
echo
for nota in "${notas[@]}"; do echo "$nota"; done
echo "Tempo de parede de cada processo inteiro (o melhor de três quando abaixo de 2 s), com a partida"
echo "do Maxima incluída, o Brelix gravando o arquivo fts; pico de memória residente por /usr/bin/time -v;"
echo "termos: os do denominador; n / n-1: tempo e pico do Brelix sobre os da escada de uma seção a menos."
